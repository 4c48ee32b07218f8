// The two check boxes of the main dialog that install and remove the Explorer integration. Each click acts on the
// state the user asked for, then the box shows what a fresh test finds, whatever the action's outcome.
#include "shell/shell_integration.h"

namespace {

void ShowState(HWND dialog, int controlId, bool installed) {
    SendMessageA(GetDlgItem(dialog, controlId), BM_SETCHECK, installed ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

int OnContextMenuBox(HWND dialog, HWND, WPARAM wParam, WORD code, INT_PTR*) {
    if (code != BN_CLICKED) return 1;
    const int controlId = LOWORD(wParam);
    if (IsDlgButtonChecked(dialog, controlId) == BST_CHECKED) {
        RegisterContextMenu();
    } else {
        UnregisterContextMenu();
    }
    ShowState(dialog, controlId, IsContextMenuRegistered());
    return 1;
}

int OnSendToBox(HWND dialog, HWND, WPARAM wParam, WORD code, INT_PTR*) {
    if (code != BN_CLICKED) return 1;
    const int controlId = LOWORD(wParam);
    if (IsDlgButtonChecked(dialog, controlId) == BST_CHECKED) {
        CreateSendToShortcut();
    } else {
        DeleteSendToShortcut();
    }
    ShowState(dialog, controlId, SendToShortcutExists());
    return 1;
}
