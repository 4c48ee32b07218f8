#include "support/files.h"

#include <shlobj.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolder(const std::string& path)
{
    if (FolderExists(path)) return true;
    // The last separator, found by walking characters: 0x5C can be a second byte.
    size_t cut = std::string::npos;
    for (size_t i = 0; i < path.size(); i += IsDBCSLeadByteEx(932, static_cast<BYTE>(path[i])) ? 2 : 1) {
        if (path[i] == '\\' || path[i] == '/') cut = i;
    }
    if (cut != std::string::npos && cut > 2) MakeFolder(path.substr(0, cut));
    return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

bool WaitForFile(const std::string& path, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        if (GetTickCount() - start >= milliseconds) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
}

std::string Utf16WithMark(const std::u16string& text, bool bigEndian)
{
    std::string bytes;
    for (char16_t unit : u"\xFEFF" + text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

std::wstring Utf16(const std::string& bytes)
{
    std::wstring wide(bytes.size() + 1, L'\0');
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(units > 0 ? units - 1 : 0);
    return wide;
}

bool WriteFileWide(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(file) && ok;
}

std::string ReadFileWide(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring ShortcutTarget(const std::wstring& shortcut)
{
    CoInitialize(nullptr);
    wchar_t target[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) && SUCCEEDED(link->GetIDList(&items)) && items) {
        SHGetPathFromIDListW(items, target);
        CoTaskMemFree(items);
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return target;
}

bool AskForCodePage(const std::wstring& exe, const char* codePage)
{
    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = image ? FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) : nullptr;
    std::string manifest =
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"><application "
        "xmlns=\"urn:schemas-microsoft-com:asm.v3\"><windowsSettings><activeCodePage "
        "xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">ja-JP</activeCodePage></windowsSettings>"
        "</application></assembly>";
    if (found)
        manifest.assign(static_cast<const char*>(LockResource(LoadResource(image, found))),
                        SizeofResource(image, found));
    if (image) FreeLibrary(image);
    const std::size_t at = manifest.find(">ja-JP<");
    if (at == std::string::npos) return false;
    manifest.replace(at + 1, 5, codePage);
    HANDLE update = BeginUpdateResourceW(exe.c_str(), FALSE);
    return update &&
           UpdateResourceA(update, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1),
                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), &manifest[0],
                           static_cast<DWORD>(manifest.size())) &&
           EndUpdateResourceA(update, FALSE);
}
