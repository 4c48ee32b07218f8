#include "filelist/path_intake.h"

#include <shlwapi.h>

#include <cstring>

#include "res/control_ids.h"
#include "filelist/work_progress.h"
#include "filelist/core/command_line.h"
#include "filelist/core/ext_filter.h"
#include "filelist/core/file_list_model.h"
#include "filelist/folder_trail.h"
#include "filelist/list_view_ops.h"
#include "tags/core/dbcs_text.h"
#include "tags/core/text_buffer.h"

namespace {

constexpr DWORD kSkippedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY;

// Whether the last character of a path is a path separator, walked from the start: the second byte
// of a double-byte character can be 0x5C.
bool EndsWithSeparator(const char* path)
{
    const char* last = nullptr;
    for (const char* p = path; *p != '\0'; p += CharLengthAt(p)) {
        last = p;
    }
    return last != nullptr && CharLengthAt(last) == 1 && (*last == '\\' || *last == '/');
}

// folder and name with one separator between them, as PathAppendA joins them. False, with nothing
// usable in out, when the result would not fit in MAX_PATH bytes: PathAppendA refuses those, and the
// ANSI file functions cannot reach them.
bool JoinPath(const char* folder, const char* name, char* out, std::size_t outSize)
{
    std::size_t folderLength = std::strlen(folder);
    bool needsSeparator = folderLength > 0 && !EndsWithSeparator(folder) && name[0] != '\\';
    std::size_t length = folderLength + (needsSeparator ? 1 : 0) + std::strlen(name);
    if (length >= MAX_PATH || length >= outSize) {
        return false;
    }
    std::memcpy(out, folder, folderLength);
    std::size_t at = folderLength;
    if (needsSeparator) {
        out[at++] = '\\';
    }
    std::memcpy(out + at, name, std::strlen(name) + 1);
    return true;
}

bool IsSkippedEntry(const WIN32_FIND_DATAA& entry)
{
    return entry.cFileName[0] == '.' || (entry.dwFileAttributes & kSkippedAttributes) != 0;
}

void AddFileIfNew(FileListOps& list, const char* path)
{
    if (!IsPathListed(list, path)) {
        AppendFileRow(list, path);
        ReportWorkProgress(static_cast<unsigned>(list.RowCount()), 0);
    }
}

void AddOnePath(FileListOps& list, const char* path, const char* filter, int recurse)
{
    if (PathIsDirectoryA(path)) {
        if (recurse != 0) {
            ScanFolder(list, path, filter);
        }
        return;
    }
    // A path that names nothing is listed as well: its rename fails later and shows it.
    if (MatchExtFilter(filter, path)) {
        AddFileIfNew(list, path);
    }
}

// One level of ScanFolder; outer holds the folders the scan is already inside.
void ScanFolderWithin(FileListOps& list, const char* folder, const char* filter, const FolderTrail* outer)
{
    char pattern[kTextBufferSize] = {};
    if (!JoinPath(folder, "*.*", pattern, sizeof pattern)) {
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    FolderTrail here = TrailStep(folder, outer);
    char path[kTextBufferSize];
    do {
        // Entries that bring no row (filtered out, already listed) take time as well.
        ReportWorkProgress(static_cast<unsigned>(list.RowCount()), 0);
        if (IsSkippedEntry(entry)) {
            continue;
        }
        bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!isFolder && !MatchExtFilter(filter, entry.cFileName)) {
            continue;
        }
        if (!JoinPath(folder, entry.cFileName, path, sizeof path)) {
            continue;
        }
        if (isFolder) {
            // A linked folder is searched like any other, unless it leads back into this scan.
            bool linked = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (!linked || !LeadsBackIntoTrail(path, &here)) {
                ScanFolderWithin(list, path, filter, &here);
            }
        } else {
            AddFileIfNew(list, path);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

}  // namespace

void ScanFolder(FileListOps& list, const char* folder, const char* filter)
{
    ScanFolderWithin(list, folder, filter, nullptr);
}

void AddPathsToList(FileListOps& list, const char* text, const char* extText, int recurse)
{
    if (text == nullptr || text[0] == '\0') {
        return;
    }
    // A filter that cannot be built whole would take other files than the text names: take none.
    char filter[kTextBufferSize + 2] = {};
    if (BuildExtFilter(extText, filter, sizeof filter) == 0) {
        return;
    }
    char token[kTextBufferSize];
    bool fits = false;
    for (const char* next = NextPathToken(text, token, sizeof token, &fits); next != nullptr;
         next = NextPathToken(next, token, sizeof token, &fits)) {
        // A token too long for the buffer is skipped: cut, it could name another file.
        if (fits) {
            AddOnePath(list, token, filter, recurse);
        }
    }
}

void AddPathList(HWND dialog, const char* text, const char* extText, int recurse)
{
    if (text == nullptr || text[0] == '\0') {
        return;
    }
    ListViewOps list = ListViewOps::OfDialog(dialog);
    // Nothing is painted until the handler returns anyway; with redraw on, every insert costs a repaint.
    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    AddPathsToList(list, text, extText, recurse);
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list.Window(), nullptr, TRUE);
}
