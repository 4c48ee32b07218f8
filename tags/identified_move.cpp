#include "tags/identified_move.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "names/core/name_rule.h"
#include "names/exact_spelling.h"

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

// FILE_ID_INFO and its class, which the headers give only from Windows 8 on.
struct FileIdInformation {
    ULONGLONG volumeSerialNumber;
    FILE_ID_128 fileId;
};
const auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// Reads the file ID of the kind the volume keeps into identity.id; true as well when it keeps none.
bool ReadFileId(HANDLE file, FileIdKind kind, FileIdentity* identity)
{
    identity->idKind = kind;
    if (kind == FileIdKind::kId64) {
        InternalInformation internal = {};
        IoStatus status = {};
        const QueryInformationFile query = QueryInformation();
        if (query == nullptr || query(file, &status, &internal, sizeof internal, kFileInternalInformation) != 0) {
            return false;
        }
        static_assert(sizeof internal.index <= sizeof identity->id, "the 64-bit ID fits");
        CopyMemory(identity->id, &internal.index, sizeof internal.index);
    } else if (kind == FileIdKind::kId128) {
        FileIdInformation information = {};
        if (!GetFileInformationByHandleEx(file, kFileIdInfo, &information, sizeof information)) return false;
        static_assert(sizeof information.fileId.Identifier == sizeof identity->id, "the 128-bit ID fits");
        CopyMemory(identity->id, information.fileId.Identifier, sizeof identity->id);
    }
    return true;
}

// The identity of the open file, with the kind of ID its volume keeps; folder tells whether it is a folder,
// which is never renamed.
FileIdentity ReadIdentity(HANDLE file, FileIdKind kind, bool* folder)
{
    FileIdentity identity;
    FILE_BASIC_INFO basic = {};
    FILE_STANDARD_INFO standard = {};
    const bool standardRead = GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard) != FALSE;
    *folder = !standardRead || standard.Directory;
    if (*folder || !GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
        !ReadFileId(file, kind, &identity)) {
        return FileIdentity();
    }
    identity.created = basic.CreationTime.QuadPart;
    identity.written = basic.LastWriteTime.QuadPart;
    identity.size = standard.EndOfFile.QuadPart;
    identity.known = true;
    return identity;
}

constexpr DWORD kPathUnits = kPathCharacterLimit + 1;

// The full UTF-16 path of path (code-page bytes within the path limit); false when it is no text of the code
// page or its full form is over the limit.
bool WholeWidePath(const char* path, wchar_t* whole)
{
    wchar_t given[kPathUnits] = {};
    if (MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, path, -1, given, kPathUnits) == 0) return false;
    const DWORD length = GetFullPathNameW(given, kPathUnits, whole, nullptr);
    return length != 0 && length < kPathUnits;
}

// Renames the open file to to, failing when anything stands there.
bool RenameOpenFile(HANDLE file, const char* to)
{
    wchar_t whole[kPathUnits] = {};
    if (!WholeWidePath(to, whole)) return false;
    const std::size_t length = std::wcslen(whole);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t), '\0');
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(length * sizeof(wchar_t));
    CopyMemory(rename->FileName, whole, length * sizeof(wchar_t));
    return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())) != FALSE;
}

// Why a file could not be opened for its move or renamed, from the platform's error and what stands at the new name.
RowResult CauseOfFailure(DWORD error, const char* to)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return RowResult::kFailedGone;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return RowResult::kFailedInUse;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        // Windows reports a folder at the new name as a denied access.
        if (GetFileAttributesA(to) == INVALID_FILE_ATTRIBUTES) return RowResult::kFailedAccessDenied;
        break;
    case ERROR_FILENAME_EXCED_RANGE:
        return RowResult::kFailedPathTooLong;
    default:
        return RowResult::kFailedOther;
    }
    const DWORD standing = GetFileAttributesA(to);
    if (standing == INVALID_FILE_ATTRIBUTES) return RowResult::kFailedOther;
    return (standing & FILE_ATTRIBUTE_DIRECTORY) ? RowResult::kFailedFolderAtName : RowResult::kFailedNameTaken;
}

}  // namespace

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    // Without an ID both hold zeros there.
    return a.known && b.known && a.idKind == b.idKind && std::memcmp(a.id, b.id, sizeof a.id) == 0 &&
           a.created == b.created && a.written == b.written && a.size == b.size;
}

RowResult MoveIdentifiedFile(const char* from, const char* to, const FileIdentity* expected, FileIdentity* moved)
{
    // Others may keep the file open for reading and writing, as MoveFileA allows; DELETE is what a rename needs.
    wchar_t whole[kPathUnits] = {};
    if (!WholeWidePath(from, whole)) return RowResult::kFailedGone;
    HANDLE file =
        CreateFileW(whole, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return CauseOfFailure(GetLastError(), to);
    bool folder = true;
    const FileIdentity found = ReadIdentity(file, FileIdKindOfVolume(whole), &folder);
    RowResult result = RowResult::kRenamed;
    // A folder is never renamed: this is the one place that refuses it.
    if (folder) {
        result = RowResult::kFailedFolder;
    } else if (expected != nullptr && !SameFile(*expected, found)) {
        result = RowResult::kFailedChanged;
    } else if (!RenameOpenFile(file, to)) {
        result = CauseOfFailure(GetLastError(), to);
    }
    CloseHandle(file);
    if (result == RowResult::kRenamed && moved != nullptr) *moved = found;
    return result;
}
