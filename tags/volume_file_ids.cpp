#include "tags/volume_file_ids.h"

#include <windows.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

namespace {

bool PlatformFileSystemName(const wchar_t* root, wchar_t* name, std::size_t nameSize)
{
    return GetVolumeInformationW(root, nullptr, 0, nullptr, nullptr, nullptr, name, static_cast<DWORD>(nameSize)) !=
           FALSE;
}

FileSystemNameSource g_source = PlatformFileSystemName;
std::vector<std::pair<std::wstring, FileIdKind>> g_asked;

// The length of the element of path that starts at start, up to the next separator or the end.
std::size_t ElementLength(const wchar_t* path, std::size_t start)
{
    std::size_t end = start;
    while (path[end] != L'\0' && path[end] != L'\\') ++end;
    return end - start;
}

}  // namespace

FileIdKind FileIdKindOf(const wchar_t* fileSystemName)
{
    if (std::wcscmp(fileSystemName, L"NTFS") == 0) return FileIdKind::kId64;
    if (std::wcscmp(fileSystemName, L"ReFS") == 0) return FileIdKind::kId128;
    return FileIdKind::kNone;
}

// Only the text is read, so this costs nothing per file; what it misses is a volume mounted in a folder
// (C:\mnt\stick is taken for C:'s volume). That errs on the safe side: an ID compared where the volume does not
// keep it can only make a file stay (its row shows 失敗 and stays for a retry), and an ID left aside where it is
// kept still leaves the times and size compared, as on FAT.
bool VolumeRootOf(const wchar_t* fullPath, wchar_t* root, std::size_t rootSize)
{
    root[0] = L'\0';
    const wchar_t first = fullPath[0];
    if (((first >= L'A' && first <= L'Z') || (first >= L'a' && first <= L'z')) && fullPath[1] == L':' &&
        fullPath[2] == L'\\') {
        if (rootSize < 4) return false;
        std::wmemcpy(root, fullPath, 3);
        root[3] = L'\0';
        return true;
    }
    if (first != L'\\' || fullPath[1] != L'\\') return false;
    const std::size_t server = ElementLength(fullPath, 2);
    // \\?\ and \\.\ start prefixed forms, not shares.
    const bool prefix = server == 1 && (fullPath[2] == L'?' || fullPath[2] == L'.');
    if (server == 0 || prefix || fullPath[2 + server] != L'\\') return false;
    const std::size_t length = 3 + server + ElementLength(fullPath, 3 + server);
    if (length == 3 + server || length + 2 > rootSize) return false;
    std::wmemcpy(root, fullPath, length);
    root[length] = L'\\';  // GetVolumeInformationW takes a share with its closing separator
    root[length + 1] = L'\0';
    return true;
}

FileIdKind FileIdKindOfVolume(const wchar_t* fullPath)
{
    wchar_t root[MAX_PATH + 1] = {};
    if (!VolumeRootOf(fullPath, root, MAX_PATH + 1)) return FileIdKind::kNone;
    if (root[0] >= L'a' && root[0] <= L'z')
        root[0] = static_cast<wchar_t>(root[0] - L'a' + L'A');  // one entry for c: and C:
    for (const auto& asked : g_asked) {
        if (asked.first == root) return asked.second;
    }
    wchar_t name[MAX_PATH + 1] = {};
    const FileIdKind kind = g_source(root, name, MAX_PATH + 1) ? FileIdKindOf(name) : FileIdKind::kNone;
    g_asked.emplace_back(root, kind);
    return kind;
}

void ForgetVolumes()
{
    g_asked.clear();
}

void SetFileSystemNameSource(FileSystemNameSource source)
{
    g_source = source != nullptr ? source : PlatformFileSystemName;
    ForgetVolumes();
}
