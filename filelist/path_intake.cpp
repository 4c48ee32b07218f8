#include "filelist/path_intake.h"

#include <shlwapi.h>

#include <cstring>
#include <cwchar>

#include "res/control_ids.h"
#include "filelist/work_progress.h"
#include "filelist/core/command_line.h"
#include "filelist/core/ext_filter.h"
#include "filelist/core/file_list_model.h"
#include "filelist/folder_trail.h"
#include "names/core/name_rule.h"
#include "names/exact_spelling.h"
#include "filelist/list_view_ops.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"

namespace {

constexpr DWORD kSkippedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY;

// A folder is searched through the path "folder\*", which must itself be within the limit.
bool IsSearchable(std::size_t folderCharacters)
{
    return folderCharacters + 2 <= kPathCharacterLimit;
}

bool IsSkippedEntry(const WIN32_FIND_DATAW& entry)
{
    return entry.cFileName[0] == L'.' || (entry.dwFileAttributes & kSkippedAttributes) != 0;
}

// The row count costs a message, so it is read only when the progress would show it.
void ReportIntakeProgress(const FileListOps& list)
{
    if (WorkProgressDue()) ReportWorkProgress(static_cast<unsigned>(list.RowCount()), 0);
}

void AddFileIfNew(FileListOps& list, const char* path)
{
    if (AppendFileRowIfNew(list, path)) ReportIntakeProgress(list);
}

// A scanned entry left out, shown under its folder's full path.
void NoteScannedLeftOut(PathIntake* intake, const char* folder, const wchar_t* name, LeftOutReason reason)
{
    wchar_t wideFolder[kWideTextSize] = {};
    int length = MultiByteToWideChar(kShiftJis, 0, folder, -1, wideFolder, static_cast<int>(kWideTextSize));
    if (length > 1 && wideFolder[length - 2] == L'\\') wideFolder[length - 2] = L'\0';
    NoteLeftOut(&intake->leftOut, wideFolder, name, reason);
}

// Whether a scanned name can be listed as it stands; reason says why not.
bool IsListableName(const char* name, bool exact, LeftOutReason* reason)
{
    const NameFault fault = exact ? FindNameFault(name) : NameFault::kNone;
    if (!exact) {
        *reason = name[0] == '\0' ? LeftOutReason::kNameTooLong : LeftOutReason::kUnspellable;
    } else if (fault != NameFault::kNone) {
        *reason = ReasonOfFault(fault);
    } else {
        return true;
    }
    return false;
}

// One level of ScanFolder; outer holds the folders the scan is already inside.
void ScanFolderWithin(FileListOps& list, PathIntake* intake, const char* folder, const FolderTrail* outer)
{
    // Paths of a scan stay within the limit, so each level keeps its buffers small: a scan recurses.
    const std::size_t folderCharacters = CharacterCount(folder);
    char pattern[kPathByteLimit + 1] = {};
    wchar_t widePattern[kPathCharacterLimit + 1] = {};
    if (!JoinPath(folder, folderCharacters, "*", pattern, sizeof pattern) ||
        MultiByteToWideChar(kShiftJis, 0, pattern, -1, widePattern, kPathCharacterLimit + 1) == 0) {
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(widePattern, &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    FolderTrail here = TrailStep(folder, outer);
    char name[kPathByteLimit + 1];
    char path[kPathByteLimit + 1];
    do {
        // Entries that bring no row (filtered out, already listed) take time as well.
        ReportIntakeProgress(list);
        if (IsSkippedEntry(entry)) {
            continue;
        }
        bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        bool exact = ToExactCodePage(entry.cFileName, name, sizeof name);
        // Spelt with '?' for what the code page lacks, the name still shows the extension the filter judges.
        if (!isFolder && !MatchExtFilter(intake->filter, name)) {
            continue;
        }
        LeftOutReason reason = LeftOutReason::kPathTooLong;
        if (!IsListableName(name, exact, &reason) || !JoinPath(folder, folderCharacters, name, path, sizeof path) ||
            (isFolder && !IsSearchable(CharacterCount(path)))) {
            NoteScannedLeftOut(intake, folder, entry.cFileName, reason);
            continue;
        }
        if (isFolder) {
            // A linked folder is searched like any other, unless it leads back into this scan.
            bool linked = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (!linked || !LeadsBackIntoTrail(path, &here)) {
                ScanFolderWithin(list, intake, path, &here);
            }
        } else {
            AddFileIfNew(list, path);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// GetFullPathNameW resolves against the current directory, which start-up has moved to the program's
// folder: a path of the command line is resolved in the folder the program was started in. Nothing
// runs between the two moves. A short (8.3) element is expanded; a path that names nothing stays as made.
bool MakeWhole(const wchar_t* given, const wchar_t* startFolder, wchar_t* out, DWORD outSize)
{
    wchar_t here[kWideTextSize] = {};
    if (startFolder != nullptr) {
        DWORD length = GetCurrentDirectoryW(kWideTextSize, here);
        if (length == 0 || length >= kWideTextSize || !SetCurrentDirectoryW(startFolder)) {
            return false;
        }
    }
    DWORD length = GetFullPathNameW(given, outSize, out, nullptr);
    if (startFolder != nullptr) {
        SetCurrentDirectoryW(here);
    }
    if (length == 0 || length >= outSize) {
        return false;
    }
    wchar_t longPath[kWideTextSize] = {};
    DWORD longLength = GetLongPathNameW(out, longPath, kWideTextSize);
    if (longLength > 0 && longLength < kWideTextSize && longLength < outSize) {
        std::wmemcpy(out, longPath, longLength + 1);
    }
    return true;
}

// The shell drops whole paths. One that is not (relative, or with "." or ".." elements, as a Linux name
// holding a backslash looks under Wine) would name another file than the one dropped.
bool IsWholeAlready(const wchar_t* given)
{
    wchar_t full[kWideTextSize] = {};
    const DWORD length = GetFullPathNameW(given, kWideTextSize, full, nullptr);
    return length > 0 && length < kWideTextSize && std::wcscmp(full, given) == 0;
}

void AddExactPath(FileListOps& list, PathIntake* intake, const char* path)
{
    if (PathIsDirectoryA(path)) {
        if (intake->recurse == 0) {
            return;
        }
        if (!IsSearchable(CharacterCount(path))) {
            wchar_t wide[kWideTextSize] = {};
            MultiByteToWideChar(kShiftJis, 0, path, -1, wide, static_cast<int>(kWideTextSize));
            NoteLeftOut(&intake->leftOut, nullptr, wide, LeftOutReason::kPathTooLong);
            return;
        }
        ScanFolder(list, intake, path);
        return;
    }
    if (MatchExtFilter(intake->filter, path)) {
        AddFileIfNew(list, path);
    }
}

// A token too long for the buffer is left out whole (cut, it could name another file); the message shows
// its beginning.
void NoteLongToken(PathIntake* intake, const wchar_t* from, const wchar_t* to)
{
    while (from < to && (*from == L'"' || (*from >= 1 && *from <= 0x20))) ++from;
    wchar_t start[kWideTextSize] = {};
    std::size_t length = static_cast<std::size_t>(to - from);
    std::wmemcpy(start, from, length < kWideTextSize - 1 ? length : kWideTextSize - 1);
    NoteLeftOut(&intake->leftOut, nullptr, start, LeftOutReason::kPathTooLong);
}

}  // namespace

void ScanFolder(FileListOps& list, PathIntake* intake, const char* folder)
{
    ScanFolderWithin(list, intake, folder, nullptr);
}

bool StartPathIntake(PathIntake* intake, const char* extText, int recurse, const wchar_t* startFolder)
{
    intake->recurse = recurse;
    intake->startFolder = startFolder;
    intake->leftOut.count = 0;
    return BuildExtFilter(extText, intake->filter, sizeof intake->filter) != 0;
}

void AddGivenPath(FileListOps& list, PathIntake* intake, const wchar_t* given)
{
    if (given == nullptr || given[0] == L'\0') {
        return;
    }
    // One file is one row: a prefixed form becomes the plain one, or is left out when it has none.
    wchar_t plain[kWideTextSize] = {};
    if (!PlainPathForm(given, plain, kWideTextSize)) {
        NoteLeftOut(&intake->leftOut, nullptr, given, LeftOutReason::kUnreachable);
        return;
    }
    // The rule of a scanned name, checked as given: making the path whole drops final dots and blanks.
    NameFault fault = FindPathFault(plain);
    if (fault != NameFault::kNone) {
        NoteLeftOut(&intake->leftOut, nullptr, given, ReasonOfFault(fault));
        return;
    }
    wchar_t whole[kWideTextSize] = {};
    if ((intake->startFolder == nullptr && !IsWholeAlready(plain)) ||
        !MakeWhole(plain, intake->startFolder, whole, kWideTextSize)) {
        NoteLeftOut(&intake->leftOut, nullptr, given, LeftOutReason::kUnreachable);
        return;
    }
    char path[kTextBufferSize] = {};
    if (!ToExactCodePage(whole, path, sizeof path)) {
        NoteLeftOut(&intake->leftOut, nullptr, whole,
                    path[0] == '\0' ? LeftOutReason::kPathTooLong : LeftOutReason::kUnspellable);
        return;
    }
    fault = FindPathFault(path);
    if (fault != NameFault::kNone || GetFileAttributesW(whole) == INVALID_FILE_ATTRIBUTES) {
        NoteLeftOut(&intake->leftOut, nullptr, whole,
                    fault != NameFault::kNone ? ReasonOfFault(fault) : LeftOutReason::kMissing);
        return;
    }
    AddExactPath(list, intake, path);
}

void AddPathText(FileListOps& list, PathIntake* intake, const wchar_t* text)
{
    if (text == nullptr) {
        return;
    }
    wchar_t token[kWideTextSize];
    bool fits = false;
    const wchar_t* from = text;
    for (const wchar_t* next = NextPathToken(from, token, kWideTextSize, &fits); next != nullptr;
         from = next, next = NextPathToken(from, token, kWideTextSize, &fits)) {
        if (fits) {
            AddGivenPath(list, intake, token);
        } else {
            NoteLongToken(intake, from, next);
        }
    }
}

ListIntake::ListIntake(HWND dialog) : list_(ListViewOps::OfDialog(dialog))
{
    SendMessageA(list_.Window(), WM_SETREDRAW, FALSE, 0);
}

ListIntake::~ListIntake()
{
    SendMessageA(list_.Window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.Window(), nullptr, TRUE);
}
