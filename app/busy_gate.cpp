#include "app/busy_gate.h"

#include <shellapi.h>

#include <cstring>
#include <deque>

#include "res/control_ids.h"
#include "filelist/list_view.h"
#include "filelist/work_progress.h"
#include "shell/shell_integration.h"

namespace {

// Copies of the drops that came during the work, oldest first, each a block of its own for the drop handler.
std::deque<HGLOBAL> heldDrops;
bool closeHeld = false;

// The drop's DROPFILES block copied into a block of this program's own, so that the original can be
// finished at once whatever becomes of the dialog. Null when it cannot be copied.
HGLOBAL CopyDrop(HDROP drop)
{
    const SIZE_T size = GlobalSize(drop);
    const void* source = size > 0 ? GlobalLock(drop) : nullptr;
    HGLOBAL copy = source ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    void* target = copy ? GlobalLock(copy) : nullptr;
    if (target) {
        std::memcpy(target, source, size);
        GlobalUnlock(copy);
    } else if (copy) {
        GlobalFree(copy);
        copy = nullptr;
    }
    if (source) GlobalUnlock(drop);
    return copy;
}

void HoldDrop(HDROP drop)
{
    HGLOBAL copy = CopyDrop(drop);
    DragFinish(drop);
    if (copy) heldDrops.push_back(copy);
}

}  // namespace

bool HoldForRunningWork(HWND dialog, UINT message, WPARAM wParam)
{
    if (!WorkProgress::Running()) return false;
    switch (message) {
    case WM_CLOSE:
        closeHeld = true;
        return true;
    case WM_DROPFILES:
        HoldDrop(reinterpret_cast<HDROP>(wParam));
        return true;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CLOSE_BUTTON:
            closeHeld = true;
            return true;
        case IDC_CHECK_ALL_BOX:
            // The box turned its check over before it sent the command.
            ShowRowsInCheckAllBox(dialog);
            return true;
        case IDC_CONTEXT_MENU_BOX:
        case IDC_SEND_TO_BOX:
            // A second click while regsvr32 runs would start a second one.
            ShowWhatIsInstalled(dialog, LOWORD(wParam));
            return true;
        case IDC_ADD_BUTTON:
        case IDC_DELETE_BUTTON:
        case IDC_UNDO_BUTTON:
        case IDC_CLEAR_BUTTON:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

bool RunHeldWork(HWND dialog)
{
    // A close wins over the drops held with it: their scans would only hold it up.
    if (closeHeld) {
        ForgetHeldWork();
        if (IsWindow(dialog)) SendMessageA(dialog, WM_CLOSE, 0, 0);
        return IsWindow(dialog) != FALSE;
    }
    // Each is taken out before it runs: the intake of one drop may hold more, or a close.
    while (!heldDrops.empty() && IsWindow(dialog)) {
        HGLOBAL drop = heldDrops.front();
        heldDrops.pop_front();
        // The ordinary drop handling, which finishes the copy as it would the shell's block.
        SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    }
    return IsWindow(dialog) != FALSE;
}

void ForgetHeldWork()
{
    for (HGLOBAL drop : heldDrops) GlobalFree(drop);
    heldDrops.clear();
    closeHeld = false;
}
