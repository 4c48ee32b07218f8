#include "rows.h"

#include "filelist/list_view_ops.h"
#include "tags/text_buffer.h"

std::vector<std::string> ColumnTexts(HWND dialog, int column)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    std::vector<std::string> texts;
    for (int row = 0; row < list.RowCount(); ++row) {
        char text[kTextBufferSize] = {};
        list.GetText(row, column, text, sizeof text);
        texts.push_back(text);
    }
    return texts;
}

void ClickButton(HWND dialog, int button)
{
    SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
}
