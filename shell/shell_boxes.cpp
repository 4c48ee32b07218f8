// The two check boxes of the main dialog that install and remove the Explorer integration. Each click acts on the
// state the user asked for, then the box shows what a fresh test finds, whatever the action's outcome.
#include "shell/shell_integration.h"

#include "res/control_ids.h"

namespace {

// One box: installs or removes as the user asked, then shows what a fresh test finds.
struct ShellBox {
    void (*install)(HWND dialog);
    void (*remove)(HWND dialog);
    bool (*isInstalled)();
};

const ShellBox kContextMenu = {RegisterContextMenu, UnregisterContextMenu, IsContextMenuRegistered};
const ShellBox kSendTo = {CreateSendToShortcut, DeleteSendToShortcut, SendToShortcutExists};

int OnShellBox(const ShellBox& box, HWND dialog, WPARAM wParam, WORD code)
{
    if (code != BN_CLICKED) return 1;
    const int controlId = LOWORD(wParam);
    if (IsDlgButtonChecked(dialog, controlId) == BST_CHECKED) {
        box.install(dialog);
    } else {
        box.remove(dialog);
    }
    // The dialog may have gone while the registration tool ran.
    if (IsWindow(dialog)) ShowWhatIsInstalled(dialog, controlId);
    return 1;
}

}  // namespace

int OnContextMenuBox(HWND dialog, HWND, WPARAM wParam, WORD code, INT_PTR*)
{
    return OnShellBox(kContextMenu, dialog, wParam, code);
}

int OnSendToBox(HWND dialog, HWND, WPARAM wParam, WORD code, INT_PTR*)
{
    return OnShellBox(kSendTo, dialog, wParam, code);
}

void ShowWhatIsInstalled(HWND dialog, int boxId)
{
    const ShellBox& box = boxId == IDC_CONTEXT_MENU_BOX ? kContextMenu : kSendTo;
    CheckDlgButton(dialog, boxId, box.isInstalled() ? BST_CHECKED : BST_UNCHECKED);
}
