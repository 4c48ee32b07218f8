// The Add and Delete buttons: each runs its batch over the list, then lets the queued input through.
#include "app/tag_buttons.h"

#include "app/busy_gate.h"
#include "app/message_loop.h"
#include "res/control_ids.h"
#include "tags/tag_commands.h"

namespace {

// The starting button stays disabled until the messages queued during the run have been
// handled, so clicks made meanwhile fall on a disabled button. What the run held goes first, as it
// came before that input; either may close the dialog.
int RunFromButton(HWND dialog, int buttonId, int (*command)(HWND))
{
    HWND button = GetDlgItem(dialog, buttonId);
    EnableWindow(button, FALSE);
    command(dialog);
    if (!RunHeldWork(dialog)) return 1;
    DrainMessageQueue(dialog);
    if (!IsWindow(dialog)) return 1;
    EnableWindow(button, TRUE);
    return 1;
}

}  // namespace

int OnAddButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, IDC_ADD_BUTTON, AddTagCommand);
}

int OnDeleteButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, IDC_DELETE_BUTTON, DeleteTagCommand);
}
