// Registering the context-menu extension beside the program through regsvr32, and telling whether it is registered.
#include "shell/shell_integration.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>

#include "filelist/work_progress.h"
#include "names/exact_spelling.h"
#include "res/extension_class.h"
#include "text/text_buffer.h"

namespace {

const wchar_t kExtensionFile[] = L".\\ShellExt.dll";

// regsvr32 in the system folder, as Windows reports it; false when that path cannot be made.
bool FindRegistrationTool(wchar_t (&tool)[MAX_PATH])
{
    const wchar_t kToolName[] = L"\\regsvr32.exe";
    const UINT length = GetSystemDirectoryW(tool, MAX_PATH);
    if (length == 0 || length + sizeof kToolName / sizeof kToolName[0] > MAX_PATH) return false;
    std::wcscat(tool, kToolName);
    return true;
}

// Handles every waiting message; false when a quit came, which is handed on to the main loop.
bool HandleWaitingMessages(HWND dialog)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

}  // namespace

// The launch record is one of the few things the two ABIs lay out differently.
static_assert(sizeof(SHELLEXECUTEINFOW) == (sizeof(void*) == 4 ? 60 : 112), "the launch record of this build");

namespace {

bool KeyExists(HKEY root, const char* keyName)
{
    // Read access is enough to see the key; a standard user cannot open a machine-wide key with full access.
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

// A standard user's registration lives in his own classes. Windows shows it under HKEY_CLASSES_ROOT too,
// Wine does not merge the two, so both are asked.
bool IsContextMenuRegistered()
{
    TextBuffer userKey = {};
    std::snprintf(userKey, sizeof userKey, "Software\\Classes\\%s", kExtensionClassKey);
    return KeyExists(HKEY_CLASSES_ROOT, kExtensionClassKey) || KeyExists(HKEY_CURRENT_USER, userKey);
}

void RegisterContextMenu(HWND dialog)
{
    RunRegistrationTool(dialog, L"", L"登録失敗");
}

void UnregisterContextMenu(HWND dialog)
{
    RunRegistrationTool(dialog, L"/u ", L"解除失敗");
}

// Runs regsvr32 on the extension in the current directory (the program's folder) and waits for it: without its
// silent switch the tool tells the user the outcome itself, so nothing is read back from it. The tool is started
// by its full path in the system folder, never by its bare name: the search would look in the program's folder
// first, where a file of that name may have been put. Under a 32-bit program on 64-bit Windows the system folder
// reaches the 32-bit tool, which registers the 32-bit extension.
void RunRegistrationTool(HWND dialog, const wchar_t* switches, const wchar_t* failureMessage)
{
    wchar_t tool[MAX_PATH] = {};
    wchar_t directory[kWideTextSize] = {};
    wchar_t parameters[64] = {};
    const DWORD directoryLength = GetCurrentDirectoryW(kWideTextSize, directory);
    std::swprintf(parameters, 64, L"%ls%ls", switches, kExtensionFile);
    SHELLEXECUTEINFOW launch = {};
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOCLOSEPROCESS;
    launch.lpVerb = L"open";
    launch.lpFile = tool;
    launch.lpParameters = parameters;
    launch.lpDirectory = directory;
    launch.nShow = SW_SHOW;
    if (!FindRegistrationTool(tool) || directoryLength == 0 || directoryLength >= kWideTextSize ||
        !ShellExecuteExW(&launch)) {
        MessageBoxW(nullptr, failureMessage, nullptr, MB_ICONERROR);
        return;
    }
    // The tool may show its own message box, and the wait lasts until the user has read it: meanwhile the
    // window answers and paints, and what would start or end work waits or is dropped, as during a batch.
    if (launch.hProcess == nullptr) return;
    WorkProgress waiting(dialog, "");
    while (MsgWaitForMultipleObjects(1, &launch.hProcess, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        if (!HandleWaitingMessages(dialog)) break;
    }
    CloseHandle(launch.hProcess);
}
