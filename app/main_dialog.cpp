#include "app/main_dialog.h"

#include <shlwapi.h>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/path_intake.h"
#include "shell/shell_integration.h"
#include "store/settings.h"
#include "store/tag_history.h"
#include "store/tag_picker.h"
#include "app/drop_handler.h"
#include "app/tag_buttons.h"
#include "tags/tag_collection.h"
#include "tags/core/text_buffer.h"

const char kWindowTitle[] = "Tagrin v1.0.0";

// The dispatch tables keep one row a line, as they are read.
// clang-format off
// Scanned from the first row; the first row whose message matches is used.
const MessageRow MessageTable[8] = {
    {WM_DESTROY, OnDestroy},
    {WM_CLOSE, OnClose},
    {WM_INITDIALOG, OnInitDialog},
    {WM_SIZE, OnSize},
    {WM_DPICHANGED, OnDpiChanged},
    {WM_DROPFILES, OnDropFiles},
    {WM_NOTIFY, OnListNotify},
    {WM_COMMAND, OnCommand},
};

// Each handler lives with the feature it serves; commands of other controls get default processing.
const CommandRow CommandTable[8] = {
    {IDC_ADD_BUTTON, OnAddButton},
    {IDC_CLOSE_BUTTON, OnCloseButton},
    {IDC_DELETE_BUTTON, OnDeleteButton},
    {IDC_UNDO_BUTTON, OnUndoButton},
    {IDC_CLEAR_BUTTON, OnClearButton},
    {IDC_CHECK_ALL_BOX, SetAllExclusions},
    {IDC_CONTEXT_MENU_BOX, OnContextMenuBox},
    {IDC_SEND_TO_BOX, OnSendToBox},
};
// clang-format on

// What can start or end work: while work runs, such a message (sent from another thread or process
// and delivered by the look at the queue) waits in the queue for the drain after the work.
static bool WaitsForRunningWork(UINT message)
{
    return message == WM_COMMAND || message == WM_CLOSE || message == WM_DROPFILES;
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (WaitsForRunningWork(message) && WorkProgress::Running()) {
        PostMessageA(dialog, message, wParam, lParam);
        return 1;
    }
    INT_PTR result = 1;
    for (const MessageRow& row : MessageTable) {
        if (row.message != message) continue;
        return row.handler(dialog, wParam, lParam, &result) ? result : 0;
    }
    return 0;
}

int OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result)
{
    const int id = LOWORD(wParam);
    for (const CommandRow& row : CommandTable) {
        if (row.controlId != id) continue;
        return row.handler(dialog, reinterpret_cast<HWND>(lParam), wParam, HIWORD(wParam), result);
    }
    return 0;
}

int OnInitDialog(HWND dialog, WPARAM, LPARAM lParam, INT_PTR*)
{
    const char* commandTail = reinterpret_cast<const char*>(lParam);
    TextBuffer extText = {};
    int recurse = 1;
    ReadIntakeSettings(extText, &recurse);
    LoadTagHistory(dialog);
    SetDlgItemTextA(dialog, IDC_EXT_EDIT, extText);
    CheckDlgButton(dialog, IDC_RECURSE_BOX, recurse != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetUpFileListView(dialog);
    CheckDlgButton(dialog, IDC_CONTEXT_MENU_BOX, IsContextMenuRegistered() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SEND_TO_BOX, SendToShortcutExists() ? BST_CHECKED : BST_UNCHECKED);

    ShowWindow(dialog, SW_SHOW);
    // Paint the empty window before a possibly long intake.
    DrainMessageQueue(dialog);
    // Input handled by the drain may already have closed the window.
    if (!IsWindow(dialog)) return 1;

    // The saved values, not the controls: a change in the dialog applies to the command line from the next start.
    const int firstNewRow = ListViewOps::OfDialog(dialog).RowCount();
    WorkProgress progress(dialog, "読込中 %u件");
    AddPathList(dialog, commandTail, extText, recurse);
    CollectListedTags(dialog, firstNewRow);
    RefreshCountLabel(dialog);
    return 1;
}

int OnClose(HWND dialog, WPARAM, LPARAM, INT_PTR*)
{
    TextBuffer extText = {};
    GetDlgItemTextA(dialog, IDC_EXT_EDIT, extText, sizeof extText);
    const int recurse = IsDlgButtonChecked(dialog, IDC_RECURSE_BOX) == BST_CHECKED ? 1 : 0;
    SavePickerToHistory(dialog);
    SaveIntakeSettings(extText, recurse);
    DestroyWindow(dialog);
    return 0;
}

int OnDestroy(HWND dialog, WPARAM, LPARAM, INT_PTR*)
{
    ReleaseLocationIndex(GetDlgItem(dialog, IDC_FILE_LIST));
    PostQuitMessage(0);
    return 0;
}

int OnSize(HWND dialog, WPARAM, LPARAM lParam, INT_PTR*)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    RECT frame;
    GetWindowRect(list, &frame);
    POINT topLeft = {frame.left, frame.top};
    ScreenToClient(dialog, &topLeft);
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    // A minimised window reports a zero size: the list keeps its place rather than take a negative height.
    if (height < topLeft.y) return 1;
    MoveWindow(list, 0, topLeft.y, width, height - topLeft.y, TRUE);
    return 1;
}

// Moved to a display of another scaling: the window takes the rectangle the system suggests, and the sizes set
// in pixels follow the new DPI. Default processing still runs: under per-monitor awareness v2 the dialog manager
// scales the dialog's font and controls itself.
int OnDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR*)
{
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(dialog, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleFileListView(dialog, LOWORD(wParam));
    return 0;
}

int OnCloseButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    return 1;
}

HWND CreateMainDialog(HINSTANCE instance, const char* commandTail)
{
    // Every relative file name (".\設定.ini", ".\タグ.txt", ".\ShellExt.dll") resolves beside the program.
    TextBuffer folder = {};
    GetModuleFileNameA(nullptr, folder, sizeof folder - 1);
    *PathFindFileNameA(folder) = '\0';
    SetCurrentDirectoryA(folder);

    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, MainDialogProc,
                              reinterpret_cast<LPARAM>(commandTail ? commandTail : ""));
}
