#include "app/busy_gate.h"

#include <shellapi.h>

#include <cstring>
#include <deque>

#include "res/control_ids.h"
#include "filelist/work_progress.h"

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

bool HoldClose(WPARAM)
{
    closeHeld = true;
    return true;
}

bool HoldDrop(WPARAM wParam)
{
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    HGLOBAL copy = CopyDrop(drop);
    DragFinish(drop);
    if (copy) heldDrops.push_back(copy);
    return true;
}

// The commands that start or end work; a close is held, the rest dropped.
struct WorkCommand {
    int controlId;
    bool closes;
};
const WorkCommand kWorkCommands[] = {
    {IDC_ADD_BUTTON, false},    {IDC_DELETE_BUTTON, false}, {IDC_CLEAR_BUTTON, false},
    {IDC_CHECK_ALL_BOX, false}, {IDC_UNDO_BUTTON, false},   {IDC_CLOSE_BUTTON, true},
};

bool HoldCommand(WPARAM wParam)
{
    for (const WorkCommand& command : kWorkCommands) {
        if (command.controlId != LOWORD(wParam)) continue;
        if (command.closes) closeHeld = true;
        return true;
    }
    return false;
}

struct HeldMessage {
    UINT message;
    bool (*hold)(WPARAM wParam);
};
const HeldMessage kHeldMessages[] = {
    {WM_CLOSE, HoldClose},
    {WM_DROPFILES, HoldDrop},
    {WM_COMMAND, HoldCommand},
};

}  // namespace

bool HoldForRunningWork(UINT message, WPARAM wParam)
{
    if (!WorkProgress::Running()) return false;
    for (const HeldMessage& row : kHeldMessages) {
        if (row.message == message) return row.hold(wParam);
    }
    return false;
}

bool RunHeldWork(HWND dialog)
{
    // Each is taken out before it runs: the intake of one drop may hold more.
    while (!heldDrops.empty() && IsWindow(dialog)) {
        HGLOBAL drop = heldDrops.front();
        heldDrops.pop_front();
        // The ordinary drop handling, which finishes the copy as it would the shell's block.
        SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    }
    if (closeHeld && IsWindow(dialog)) {
        closeHeld = false;
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return IsWindow(dialog) != FALSE;
}

void ForgetHeldWork()
{
    for (HGLOBAL drop : heldDrops) GlobalFree(drop);
    heldDrops.clear();
    closeHeld = false;
}
