// Registering the context-menu extension beside the program through regsvr32, and telling whether it is registered.
#include "shell/shell_integration.h"

#include <shellapi.h>

#include <cstdio>

#include "res/extension_class.h"

namespace {

const char kExtensionFile[] = ".\\ShellExt.dll";

}  // namespace

// The launch record is one of the few things the two ABIs lay out differently.
static_assert(sizeof(SHELLEXECUTEINFOA) == (sizeof(void*) == 4 ? 60 : 112), "the launch record of this build");

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

void RegisterContextMenu()
{
    RunRegistrationTool("%s", "登録失敗");
}

void UnregisterContextMenu()
{
    RunRegistrationTool("/u %s", "解除失敗");
}

// Runs regsvr32 on the extension in the current directory (the program's folder) and waits for it: without its
// silent switch the tool tells the user the outcome itself, so nothing is read back from it.
void RunRegistrationTool(const char* parameterFormat, const char* failureMessage)
{
    TextBuffer directory = {};
    TextBuffer parameters = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    std::snprintf(parameters, sizeof parameters, parameterFormat, kExtensionFile);

    SHELLEXECUTEINFOA launch = {};
    launch.cbSize = sizeof launch;
    launch.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_DOENVSUBST;
    launch.hwnd = nullptr;
    launch.lpVerb = "open";
    launch.lpFile = "regsvr32.exe";
    launch.lpParameters = parameters;
    launch.lpDirectory = directory;
    launch.nShow = SW_SHOW;
    if (!ShellExecuteExA(&launch)) {
        MessageBoxA(nullptr, failureMessage, nullptr, MB_ICONERROR);
        return;
    }
    // The tool may show its own message box; the wait lasts until the user has read it.
    if (launch.hProcess == nullptr) return;
    WaitForSingleObject(launch.hProcess, INFINITE);
    CloseHandle(launch.hProcess);
}
