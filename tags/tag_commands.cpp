#include "tags/tag_commands.h"

#include "res/control_ids.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "tags/core/dbcs_text.h"
#include "tags/tag_rows.h"
#include "tags/core/text_buffer.h"
#include "tags/undo_record.h"

namespace {

using RowCommand = int (*)(FileListOps& list, const char* tag);

// One run of work over the dialog's list. The list does not repaint during the run anyway (no message is
// handled); turning its redraw off as well keeps every row update from doing drawing work of its own, which
// a shown list view does row by row.
template <typename ListWork>
int RunOverList(HWND dialog, ListWork work)
{
    WorkProgress progress(dialog, "処理中 %u/%u");
    ListViewOps list = ListViewOps::OfDialog(dialog);
    HWND window = list.Window();
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ClearResults(list, list.RowCount());

    int done = work(list);

    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, FALSE);
    RefreshCountLabel(dialog);
    return done;
}

int RunTagCommand(HWND dialog, RowCommand command)
{
    return RunOverList(dialog, [&](FileListOps& list) {
        char tag[kTextBufferSize] = {};
        GetDlgItemTextA(dialog, IDC_TAG_COMBO, tag, sizeof tag);
        TrimBlanks(tag);
        return tag[0] == '\0' ? 0 : command(list, tag);
    });
}

}  // namespace

int AddTagCommand(HWND dialog)
{
    return RunTagCommand(dialog, AddTagToRows);
}

int DeleteTagCommand(HWND dialog)
{
    return RunTagCommand(dialog, DeleteTagFromRows);
}

int UndoCommand(HWND dialog)
{
    return RunOverList(dialog, UndoLastBatch);
}
