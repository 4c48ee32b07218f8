#include "shell_test_support.h"

#include <shlwapi.h>

#include "res/control_ids.h"

std::string TestExecutableFolder()
{
    char path[1024] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

bool ClassesKeyExists(const std::string& subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::wstring ClassesStringValue(const std::string& subkey, const wchar_t* valueName)
{
    wchar_t value[1024] = {};
    DWORD size = sizeof value - sizeof value[0];
    DWORD type = 0;
    const std::wstring key(subkey.begin(), subkey.end());  // the keys are ASCII
    if (SHGetValueW(HKEY_CLASSES_ROOT, key.c_str(), valueName, &type, value, &size) != ERROR_SUCCESS) return L"";
    return type == REG_SZ ? std::wstring(value) : std::wstring();
}

bool UserClassesKeyExists(const std::string& subkey)
{
    HKEY key = nullptr;
    const std::string name = "Software\\Classes\\" + subkey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void RemoveExtensionRegistration()
{
    for (const char* subkey : {kFileHandlerKey, kFolderHandlerKey, kExtensionClassKey}) {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, subkey);
        SHDeleteKeyA(HKEY_CURRENT_USER, ("Software\\Classes\\" + std::string(subkey)).c_str());
    }
}

CheckBoxParent::CheckBoxParent()
{
    window_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 300, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    const int ids[] = {IDC_CONTEXT_MENU_BOX, IDC_SEND_TO_BOX};
    for (int i = 0; i < 2; ++i) {
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 30 * i, 200, 24, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids[i])), GetModuleHandleA(nullptr), nullptr);
    }
}

CheckBoxParent::~CheckBoxParent()
{
    DestroyWindow(window_);
}
