// The Send To shortcut "タグの追加.lnk" that points at the program. Its path and its target are UTF-16 all
// through: the user's profile and the program's folder may have names the code page cannot spell.
#include "shell/shell_integration.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "names/exact_spelling.h"

namespace {

const wchar_t kShortcutName[] = L"タグの追加.lnk";

}  // namespace

// Empty when the Send To folder cannot be found: a bare name would resolve against the program's folder, and a
// shortcut there is not what the user asked for.
std::wstring SendToShortcutPath()
{
    wchar_t path[MAX_PATH] = {};
    LPITEMIDLIST folder = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_SENDTO, &folder))) return {};
    const bool found = SHGetPathFromIDListW(folder, path) && path[0] != L'\0';
    CoTaskMemFree(folder);
    if (!found || !PathAppendW(path, kShortcutName)) return {};
    return path;
}

// Any directory entry of that name counts, a folder too: it blocks the shortcut just the same.
bool SendToShortcutExists()
{
    const std::wstring path = SendToShortcutPath();
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CreateSendToShortcut(HWND)
{
    const std::wstring path = SendToShortcutPath();
    if (!path.empty()) SaveShellLink(path.c_str());
}

void DeleteSendToShortcut(HWND)
{
    const std::wstring path = SendToShortcutPath();
    if (!path.empty()) DeleteFileW(path.c_str());
}

namespace {

// Steps of the link after COM is up; the pointers are handed back so that the caller releases what was made.
HRESULT WriteShellLink(const wchar_t* programPath, const wchar_t* shortcutPath, IShellLinkW** link, IPersistFile** file)
{
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(link));
    if (FAILED(result)) return result;
    result = (*link)->SetPath(programPath);
    if (FAILED(result)) return result;
    result = (*link)->SetDescription(L"Tagrin");
    if (FAILED(result)) return result;
    result = (*link)->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file));
    if (FAILED(result)) return result;
    return (*file)->Save(shortcutPath, TRUE);
}

}  // namespace

// Saves a shell link to the running program with the description "Tagrin"; 1 when it was saved.
int SaveShellLink(const wchar_t* shortcutPath)
{
    wchar_t programPath[kWideTextSize] = {};
    const DWORD length = GetModuleFileNameW(nullptr, programPath, kWideTextSize);
    if (length == 0 || length >= kWideTextSize || FAILED(CoInitialize(nullptr))) return 0;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    const HRESULT result = WriteShellLink(programPath, shortcutPath, &link, &file);
    if (file != nullptr) file->Release();
    if (link != nullptr) link->Release();
    CoUninitialize();
    return result == S_OK ? 1 : 0;
}
