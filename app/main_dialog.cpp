#include "app/main_dialog.h"

#include <shlwapi.h>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "names/exact_spelling.h"
#include "filelist/path_intake.h"
#include "shell/shell_integration.h"
#include "store/settings.h"
#include "store/shift_jis_conversion.h"
#include "store/tag_history.h"
#include "store/tag_picker.h"
#include "store/window_settings.h"
#include "app/busy_gate.h"
#include "app/drop_handler.h"
#include "app/store_notice.h"
#include "app/tag_buttons.h"
#include "app/window_place.h"
#include "tags/tag_collection.h"
#include "text/text_buffer.h"

namespace {

// Set once initialisation (and the command-line intake) has finished, before any box tells of it.
const char kWindowTitle[] = "Tagrin v1.0.0";

// The intake settings as start-up read them, for the close to write back only what it may.
IntakeSettings startSettings = {};

}  // namespace

// The dispatch tables keep one row a line, as they are read.
// clang-format off
// Scanned from the first row; the first row whose message matches is used.
const MessageRow MessageTable[10] = {
    {WM_DESTROY, OnDestroy},
    {WM_CLOSE, OnClose},
    {WM_QUERYENDSESSION, OnQueryEndSession},
    {WM_ENDSESSION, OnEndSession},
    {WM_INITDIALOG, OnInitDialog},
    {WM_SIZE, OnSize},
    {WM_DPICHANGED, OnDpiChanged},
    {WM_DROPFILES, OnDropFiles},
    {WM_NOTIFY, OnListNotify},
    {WM_COMMAND, OnCommand},
};

// Each handler lives with the feature it serves; commands of other controls get default processing.
const CommandRow CommandTable[9] = {
    {IDC_ADD_BUTTON, OnAddButton},
    {IDC_CLOSE_BUTTON, OnCloseButton},
    {IDC_DELETE_BUTTON, OnDeleteButton},
    {IDC_UNDO_BUTTON, OnUndoButton},
    {IDC_CLEAR_BUTTON, OnClearButton},
    {IDC_CHECK_ALL_BOX, SetAllExclusions},
    {IDC_CONTEXT_MENU_BOX, OnContextMenuBox},
    {IDC_SEND_TO_BOX, OnSendToBox},
    {IDC_EXT_EDIT, OnFilterChange},
};
// clang-format on

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A message that would start or end work while work runs is held or dropped; see busy_gate.h.
    if (HoldForRunningWork(dialog, message, wParam)) return 1;
    INT_PTR result = 1;
    int handled = 0;
    for (const MessageRow& row : MessageTable) {
        if (row.message != message) continue;
        handled = row.handler(dialog, wParam, lParam, &result);
        break;
    }
    // The work this handler ran may have held a close or a drop: they are carried out now.
    if (!WorkProgress::Running()) RunHeldWork(dialog);
    return handled ? result : 0;
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

// The command line's intake into the list, the tags of its names into the picker and the count. The window
// then takes its title, and only then is the user told of the store files and of the paths left out: a box
// never stands over an untitled window, nor holds up the work.
static void TakeCommandLine(HWND dialog, const StartUp& start, const IntakeSettings& settings)
{
    PathIntake intake;
    {
        const int firstNewRow = ListViewOps::OfDialog(dialog).RowCount();
        WorkProgress progress(dialog, "読込中 %u件");
        if (StartPathIntake(&intake, settings.extText, settings.recurse, start.startFolder)) {
            ListIntake list(dialog);
            AddPathText(list.List(), &intake, start.commandTail);
        }
        CollectListedTags(dialog, firstNewRow);
        RefreshCountLabel(dialog);
    }
    SetWindowTextA(dialog, kWindowTitle);
    if (start.storeMessage != nullptr && start.storeMessage[0] != '\0') {
        MessageBoxA(dialog, start.storeMessage, "Tagrin", MB_OK | MB_ICONWARNING);
    }
    if (IsWindow(dialog)) TellStoreNotices(dialog);
    if (IsWindow(dialog)) TellLeftOutPaths(dialog, intake.leftOut);
}

int OnInitDialog(HWND dialog, WPARAM, LPARAM lParam, INT_PTR*)
{
    const StartUp start = *reinterpret_cast<const StartUp*>(lParam);
    ReadIntakeSettings(startSettings);
    WindowSettings window = {};
    ReadWindowSettings(window);
    LoadTagHistory(dialog);
    LimitFilterText(dialog);
    SetDlgItemTextA(dialog, IDC_EXT_EDIT, startSettings.extText);
    CheckDlgButton(dialog, IDC_RECURSE_BOX, startSettings.recurse != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetUpFileListView(dialog);
    // Shown where the user left it, or as laid out, always whole on the screen.
    PlaceMainWindow(dialog, window);
    CheckDlgButton(dialog, IDC_CONTEXT_MENU_BOX, IsContextMenuRegistered() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SEND_TO_BOX, SendToShortcutExists() ? BST_CHECKED : BST_UNCHECKED);

    ShowWindow(dialog, SW_SHOW);
    // Paint the empty window before a possibly long intake.
    DrainMessageQueue(dialog);
    // Input handled by the drain may already have closed the window.
    if (!IsWindow(dialog)) return 1;

    // The saved values, not the controls: a change in the dialog applies to the command line from the next start.
    TakeCommandLine(dialog, start, startSettings);
    return 1;
}

namespace {

// What a close keeps of the session: the picker's entries in the history, the filter and the recursion flag, and
// the window's place, size and column widths.
void SaveSession(HWND dialog)
{
    TextBuffer extText = {};
    GetDlgItemTextA(dialog, IDC_EXT_EDIT, extText, sizeof extText);
    const int recurse = IsDlgButtonChecked(dialog, IDC_RECURSE_BOX) == BST_CHECKED ? 1 : 0;
    SavePickerToHistory(dialog);
    SaveIntakeSettings(extText, recurse, startSettings);
    SaveWindowSettings(TakeWindowSettings(dialog));
}

}  // namespace

int OnClose(HWND dialog, WPARAM, LPARAM, INT_PTR*)
{
    SaveSession(dialog);
    TellStoreNotices(dialog);
    DestroyWindow(dialog);
    return 0;
}

// Asked whether the session may end: not while work runs, which would stop half done and unsaved.
int OnQueryEndSession(HWND dialog, WPARAM, LPARAM, INT_PTR*)
{
    if (!WorkProgress::Running()) return 0;
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, FALSE);
    return 1;
}

// The session ends, and the process with it as soon as this returns: the session is saved now, as a close
// saves it. Without work running the dialog closes as well, so that nothing saves a second time; with work
// running (an end that was forced), the work still holds the dialog.
int OnEndSession(HWND dialog, WPARAM wParam, LPARAM, INT_PTR*)
{
    if (wParam == FALSE) return 1;
    SaveSession(dialog);
    if (!WorkProgress::Running()) DestroyWindow(dialog);
    return 1;
}

int OnDestroy(HWND dialog, WPARAM, LPARAM, INT_PTR*)
{
    ForgetHeldWork();
    ReleaseFileListView(dialog);
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

// Moved to a display of another scaling: the window takes the rectangle the system suggests, as far as that
// display's work area holds it, and the sizes set in pixels follow the new DPI. Default processing still runs: under
// per-monitor awareness v2 the dialog manager scales the dialog's font and controls itself.
int OnDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR*)
{
    MoveMainWindowInside(dialog, *reinterpret_cast<const RECT*>(lParam));
    ScaleFileListView(dialog, LOWORD(wParam));
    return 0;
}

int OnCloseButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    return 1;
}

HWND CreateMainDialog(HINSTANCE instance, const wchar_t* commandTail)
{
    // Taken before the move below: the relative paths of the command line mean the folder the user was in
    // (when it cannot be read, the empty folder lets no path of the command line through).
    wchar_t startFolder[kWideTextSize] = {};
    const DWORD startLength = GetCurrentDirectoryW(kWideTextSize, startFolder);

    // Every relative file name (".\設定.ini", ".\タグ.txt", ".\ShellExt.dll") resolves beside the program.
    // Read as UTF-16: the ANSI path of a folder named with a character the code page lacks is another folder.
    wchar_t folder[kWideTextSize] = {};
    GetModuleFileNameW(nullptr, folder, kWideTextSize - 1);
    *PathFindFileNameW(folder) = L'\0';
    SetCurrentDirectoryW(folder);
    // Before either store file is read: one saved by Notepad in UTF-8 or UTF-16 becomes Shift-JIS.
    const std::string storeMessage = ConvertStoreFilesToShiftJis();

    const StartUp start = {commandTail ? commandTail : L"",
                           startLength > 0 && startLength < kWideTextSize ? startFolder : L"", storeMessage.c_str()};
    // The dialog initialises inside this call, while start lives.
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, MainDialogProc,
                              reinterpret_cast<LPARAM>(&start));
}
