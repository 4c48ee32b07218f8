#include "tags/tag_commands.h"

#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/work_progress.h"
#include "tags/tag_rows.h"
#include "tags/undo_record.h"

// The list does not repaint during the run anyway (no message is handled); turning its redraw off as well keeps
// every row update from doing drawing work of its own, which a shown list view does row by row.
int RunTagCommand(HWND dialog, TagCommand command, const char* tag, const TagBrackets& brackets)
{
    WorkProgress progress(dialog, "処理中 %u/%u");
    ListViewOps list = ListViewOps::OfDialog(dialog);
    HWND window = list.Window();
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ClearResults(list, list.RowCount());

    int done = 0;
    if (command == TagCommand::kUndo) {
        done = UndoLastBatch(list);
    } else if (tag != nullptr && tag[0] != '\0') {
        done = command == TagCommand::kAdd ? AddTagToRows(list, tag, brackets) : DeleteTagFromRows(list, tag, brackets);
    }

    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    // After a long batch a failed row may lie far below the part in view.
    ShowFirstFailedRow(dialog);
    InvalidateRect(window, nullptr, FALSE);
    RefreshCountLabel(dialog);
    return done;
}
