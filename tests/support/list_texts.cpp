#include "support/list_texts.h"

#include "tags/core/text_buffer.h"

std::string CellText(const FileListOps& list, int row, int column)
{
    char text[kTextBufferSize] = {};
    list.GetText(row, column, text, sizeof text);
    return text;
}

std::vector<std::string> ColumnTexts(const FileListOps& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.RowCount(); ++row) texts.push_back(CellText(list, row, column));
    return texts;
}
