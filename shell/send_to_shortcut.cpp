// The Send To shortcut "タグの追加.lnk" that points at the program.
#include "shell/shell_integration.h"
#include "names/exact_spelling.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace {

const char kShortcutName[] = "タグの追加.lnk";

}  // namespace

// Leaves the buffer empty when the Send To folder cannot be found: a bare name would resolve against the program's
// folder, and a shortcut there is not what the user asked for.
void GetSendToShortcutPath(TextBuffer& buffer)
{
    buffer[0] = '\0';
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return;
    LPITEMIDLIST folder = nullptr;
    bool found = false;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_SENDTO, &folder))) {
        found = SHGetPathFromIDListA(folder, buffer) && buffer[0] != '\0';
        allocator->Free(folder);
    }
    allocator->Release();
    if (!found || !PathAppendA(buffer, kShortcutName)) buffer[0] = '\0';
}

// Any directory entry of that name counts, a folder too: it blocks the shortcut just the same.
bool SendToShortcutExists()
{
    TextBuffer path = {};
    GetSendToShortcutPath(path);
    if (path[0] == '\0') return false;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path, &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

void CreateSendToShortcut()
{
    TextBuffer path = {};
    GetSendToShortcutPath(path);
    if (path[0] == '\0') return;
    SaveShellLink(path);
}

void DeleteSendToShortcut()
{
    TextBuffer path = {};
    GetSendToShortcutPath(path);
    if (path[0] == '\0') return;
    DeleteFileA(path);
}

namespace {

// Steps of the link after COM is up; the pointers are handed back so that the caller releases what was made.
HRESULT WriteShellLink(const char* programPath, const wchar_t* widePath, IShellLinkA** link, IPersistFile** file)
{
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(link));
    if (FAILED(result)) return result;
    result = (*link)->SetPath(programPath);
    if (FAILED(result)) return result;
    result = (*link)->SetDescription("Tagrin");
    if (FAILED(result)) return result;
    result = (*link)->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file));
    if (FAILED(result)) return result;
    return (*file)->Save(widePath, TRUE);
}

}  // namespace

// Saves a shell link to the running program with the description "Tagrin"; 1 when it was saved.
int SaveShellLink(const char* shortcutPath)
{
    wchar_t widePath[kTextBufferSize] = {};
    TextBuffer programPath = {};
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;

    if (FAILED(CoInitialize(nullptr))) return 0;
    GetModuleFileNameA(nullptr, programPath, sizeof programPath);
    HRESULT result = E_INVALIDARG;
    if (MultiByteToWideChar(kShiftJis, 0, shortcutPath, -1, widePath, kTextBufferSize) != 0) {
        result = WriteShellLink(programPath, widePath, &link, &file);
    }
    if (file != nullptr) file->Release();
    if (link != nullptr) link->Release();
    CoUninitialize();
    return result == S_OK ? 1 : 0;
}
