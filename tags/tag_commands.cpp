#include "tags/tag_commands.h"

#include "app/control_ids.h"
#include "app/message_loop.h"
#include "app/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "tags/dbcs_text.h"
#include "tags/tag_rows.h"
#include "tags/text_buffer.h"

namespace {

using RowCommand = int (*)(FileListOps& list, const char* tag);

// One run of a tag command over the dialog's list. The list does not repaint during the run
// anyway (no message is handled); turning its redraw off as well keeps every row update from
// doing drawing work of its own, which a shown list view does row by row.
int RunTagCommand(HWND dialog, RowCommand command)
{
    WorkProgress progress(dialog, "処理中 %u/%u");
    ListViewOps list = ListViewOps::OfDialog(dialog);
    HWND window = list.Window();
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ClearResults(list, list.RowCount());

    char tag[kTextBufferSize] = {};
    GetDlgItemTextA(dialog, kTagCombo, tag, sizeof tag);
    TrimBlanks(tag);
    int done = tag[0] == '\0' ? 0 : command(list, tag);

    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, FALSE);
    RefreshCountLabel(dialog);
    return done;
}

// The starting button stays disabled until the messages queued during the run have been
// handled, so clicks made meanwhile fall on a disabled button.
int RunFromButton(HWND dialog, int buttonId, int (*command)(HWND))
{
    HWND button = GetDlgItem(dialog, buttonId);
    EnableWindow(button, FALSE);
    command(dialog);
    DrainMessageQueue(dialog);
    EnableWindow(button, TRUE);
    return 1;
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

int OnAddButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, kAddButton, AddTagCommand);
}

int OnDeleteButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, kDeleteButton, DeleteTagCommand);
}
