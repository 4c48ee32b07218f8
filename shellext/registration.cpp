#include "shellext/registration.h"

#include <olectl.h>

#include <cstring>
#include <cwchar>

#include "res/extension_class.h"
#include "shellext/module.h"
#include "text/text_buffer.h"

namespace {

const char kDescription[] = "Tagrin context menu";

// The classes key of a scope; the caller closes it.
HKEY OpenClassesRoot(RegistrationScope scope, REGSAM access)
{
    HKEY root = scope == RegistrationScope::PerUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    HKEY classes = nullptr;
    if (RegCreateKeyExA(root, "Software\\Classes", 0, nullptr, 0, access, nullptr, &classes, nullptr) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return classes;
}

// The key keyName under classes, opened to set values; the caller closes it.
HKEY CreateValueKey(HKEY classes, const char* keyName)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(classes, keyName, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

// The names and texts of the keys are ASCII, the same bytes in every code page.
bool SetStringValue(HKEY classes, const char* keyName, const char* valueName, const char* value)
{
    HKEY key = CreateValueKey(classes, keyName);
    if (key == nullptr) return false;
    const LONG status = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                       static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

// A path is written in UTF-16: the extension's folder may have a name the code page cannot spell.
bool SetPathValue(HKEY classes, const char* keyName, const wchar_t* path)
{
    HKEY key = CreateValueKey(classes, keyName);
    if (key == nullptr) return false;
    const LONG status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                                       static_cast<DWORD>((std::wcslen(path) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteKeyIfPresent(HKEY classes, const char* keyName)
{
    const LONG status = RegDeleteKeyA(classes, keyName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace

RegistrationScope ScopeOfThisProcess()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return RegistrationScope::PerUser;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const BOOL known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return known && elevation.TokenIsElevated ? RegistrationScope::MachineWide : RegistrationScope::PerUser;
}

// A registration that fails half-way is taken back, so no handler entry points at a class that is not there.
HRESULT RegisterTagMenu(RegistrationScope scope)
{
    wchar_t modulePath[kTextBufferSize] = {};
    const DWORD length = GetModuleFileNameW(g_module, modulePath, kTextBufferSize);
    if (length == 0 || length >= kTextBufferSize) return SELFREG_E_CLASS;

    HKEY classes = OpenClassesRoot(scope, KEY_CREATE_SUB_KEY | KEY_SET_VALUE);
    if (classes == nullptr) return SELFREG_E_CLASS;
    const bool written = SetStringValue(classes, kExtensionClassKey, nullptr, kDescription) &&
                         SetPathValue(classes, kExtensionServerKey, modulePath) &&
                         SetStringValue(classes, kExtensionServerKey, "ThreadingModel", "Apartment") &&
                         SetStringValue(classes, kFileHandlerKey, nullptr, kExtensionClassIdText) &&
                         SetStringValue(classes, kFolderHandlerKey, nullptr, kExtensionClassIdText);
    RegCloseKey(classes);
    if (written) return S_OK;
    UnregisterTagMenu();
    return SELFREG_E_CLASS;
}

// Removes the keys it wrote from both scopes, innermost first; the shared "shellex" keys above them belong to
// the system. Keys of a scope this process cannot open are left, and the outcome says so.
HRESULT UnregisterTagMenu()
{
    bool removed = true;
    const RegistrationScope scopes[] = {RegistrationScope::PerUser, RegistrationScope::MachineWide};
    for (RegistrationScope scope : scopes) {
        HKEY classes = nullptr;
        HKEY root = scope == RegistrationScope::PerUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        const LONG opened = RegOpenKeyExA(root, "Software\\Classes", 0, KEY_READ, &classes);
        if (opened == ERROR_FILE_NOT_FOUND) continue;
        if (opened != ERROR_SUCCESS) {
            removed = false;
            continue;
        }
        removed = DeleteKeyIfPresent(classes, kFileHandlerKey) && removed;
        removed = DeleteKeyIfPresent(classes, kFolderHandlerKey) && removed;
        removed = DeleteKeyIfPresent(classes, kExtensionServerKey) && removed;
        removed = DeleteKeyIfPresent(classes, kExtensionClassKey) && removed;
        RegCloseKey(classes);
    }
    return removed ? S_OK : SELFREG_E_CLASS;
}
