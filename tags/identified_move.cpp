#include "tags/identified_move.h"

#include <windows.h>

#include <vector>

#include "names/core/name_rule.h"

namespace {

// NtQueryInformationFile with FileInternalInformation: the file ID alone, read from the open file.
struct InternalInformation {
    LARGE_INTEGER index;
};
struct IoStatus {
    void* status;
    ULONG_PTR information;
};
using QueryInformationFile = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
constexpr int kFileInternalInformation = 6;

QueryInformationFile QueryInformation()
{
    static const auto query = reinterpret_cast<QueryInformationFile>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    return query;
}

// The identity of the open file; folder tells whether it is a folder, which is never renamed.
FileIdentity ReadIdentity(HANDLE file, bool* folder)
{
    FileIdentity identity;
    FILE_BASIC_INFO basic = {};
    FILE_STANDARD_INFO standard = {};
    InternalInformation internal = {};
    IoStatus status = {};
    const QueryInformationFile query = QueryInformation();
    const bool standardRead = GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard) != FALSE;
    *folder = !standardRead || standard.Directory;
    if (*folder || !GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) || query == nullptr ||
        query(file, &status, &internal, sizeof internal, kFileInternalInformation) != 0) {
        return identity;
    }
    identity.index = static_cast<unsigned long long>(internal.index.QuadPart);
    identity.created = basic.CreationTime.QuadPart;
    identity.written = basic.LastWriteTime.QuadPart;
    identity.size = standard.EndOfFile.QuadPart;
    identity.known = true;
    return identity;
}

// Renames the open file to to (a path in the code page, within the path limit), failing when anything stands
// there or when to is no text of the code page.
bool RenameOpenFile(HANDLE file, const char* to)
{
    constexpr DWORD kUnits = kPathCharacterLimit + 1;
    wchar_t given[kUnits] = {};
    wchar_t whole[kUnits] = {};
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, to, -1, given, kUnits) == 0) return false;
    const DWORD length = GetFullPathNameW(given, kUnits, whole, nullptr);
    if (length == 0 || length >= kUnits) return false;
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t), '\0');
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = length * sizeof(wchar_t);
    CopyMemory(rename->FileName, whole, length * sizeof(wchar_t));
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) != FALSE;
}

}  // namespace

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    return a.known && b.known && a.index == b.index && a.created == b.created && a.written == b.written &&
           a.size == b.size;
}

bool MoveIdentifiedFile(const char* from, const char* to, const FileIdentity* expected, FileIdentity* moved)
{
    // Others may keep the file open for reading and writing, as MoveFileA allows; DELETE is what a rename needs.
    HANDLE file = CreateFileA(from, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool folder = true;
    const FileIdentity found = ReadIdentity(file, &folder);
    const bool renamed = !folder && (expected == nullptr || SameFile(*expected, found)) && RenameOpenFile(file, to);
    CloseHandle(file);
    if (renamed && moved != nullptr) *moved = found;
    return renamed;
}
