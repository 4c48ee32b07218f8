#include "shellext/registration.h"

#include <olectl.h>

#include <cstdio>
#include <cstring>

#include "shellext/module.h"

namespace {

const char kDescription[] = "Tagrin context menu";
const char kFileHandlerKey[] = "*\\shellex\\ContextMenuHandlers\\Tagrin";
const char kFolderHandlerKey[] = "Directory\\shellex\\ContextMenuHandlers\\Tagrin";

bool SetStringValue(const char* keyName, const char* valueName, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyName, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                       static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool DeleteKeyIfPresent(const char* keyName) {
    const LONG status = RegDeleteKeyA(HKEY_CLASSES_ROOT, keyName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

void ClassKeyNames(char* classKey, char* serverKey, std::size_t size) {
    std::snprintf(classKey, size, "CLSID\\%s", kTagMenuClassIdText);
    std::snprintf(serverKey, size, "CLSID\\%s\\InprocServer32", kTagMenuClassIdText);
}

}  // namespace

// A registration that fails half-way is taken back, so no handler entry points at a class that is not there.
HRESULT RegisterTagMenu() {
    char modulePath[1024] = {};
    const DWORD length = GetModuleFileNameA(g_module, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return SELFREG_E_CLASS;
    char classKey[1024] = {};
    char serverKey[1024] = {};
    ClassKeyNames(classKey, serverKey, sizeof classKey);

    const bool written = SetStringValue(classKey, nullptr, kDescription) &&
                         SetStringValue(serverKey, nullptr, modulePath) &&
                         SetStringValue(serverKey, "ThreadingModel", "Apartment") &&
                         SetStringValue(kFileHandlerKey, nullptr, kTagMenuClassIdText) &&
                         SetStringValue(kFolderHandlerKey, nullptr, kTagMenuClassIdText);
    if (written) return S_OK;
    UnregisterTagMenu();
    return SELFREG_E_CLASS;
}

// Removes the keys it wrote, innermost first; the shared "shellex" keys above them belong to the system.
HRESULT UnregisterTagMenu() {
    char classKey[1024] = {};
    char serverKey[1024] = {};
    ClassKeyNames(classKey, serverKey, sizeof classKey);
    bool removed = DeleteKeyIfPresent(kFileHandlerKey);
    removed = DeleteKeyIfPresent(kFolderHandlerKey) && removed;
    removed = DeleteKeyIfPresent(serverKey) && removed;
    removed = DeleteKeyIfPresent(classKey) && removed;
    return removed ? S_OK : SELFREG_E_CLASS;
}
