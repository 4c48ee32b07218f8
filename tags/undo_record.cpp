#include "tags/undo_record.h"

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/work_progress.h"
#include "tags/core/text_buffer.h"

namespace {

// The file a name stands for, as the batch left it: its creation time, last write time and size, which a rename
// keeps. A file put at the name since, or one changed since, differs in one of them. (The file system's index of the
// file would need a handle: under Wine opening one costs a third of a rename, and GetFileInformationByHandle, which
// asks for the volume as well, more than two renames; a file system may also give a deleted file's index to the next.)
struct FileIdentity {
    FILETIME created = {};
    FILETIME written = {};
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
    bool known = false;
};

struct RenameStep {
    std::string from;
    std::string to;
    FileIdentity file;
};

std::vector<RenameStep> steps;
// Set when a batch begins: its first rename replaces the record, so a batch that renames nothing leaves it.
bool recordIsOlder = false;

// The identity of the plain file at location; unknown for a folder or when there is nothing.
FileIdentity IdentifyFile(const char* location)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    FileIdentity identity;
    if (!GetFileAttributesExA(location, GetFileExInfoStandard, &data)) return identity;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return identity;
    identity.created = data.ftCreationTime;
    identity.written = data.ftLastWriteTime;
    identity.sizeHigh = data.nFileSizeHigh;
    identity.sizeLow = data.nFileSizeLow;
    identity.known = true;
    return identity;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    return a.known && b.known && CompareFileTime(&a.created, &b.created) == 0 &&
           CompareFileTime(&a.written, &b.written) == 0 && a.sizeHigh == b.sizeHigh && a.sizeLow == b.sizeLow;
}

// MoveFileA fails rather than replace a file at the old name.
bool PutBack(const RenameStep& step)
{
    if (!SameFile(IdentifyFile(step.to.c_str()), step.file)) return false;
    return MoveFileA(step.to.c_str(), step.from.c_str()) != FALSE;
}

// Every row by its location as the list gives it back, read once: a lookup per step stays cheap at any row count.
std::unordered_map<std::string, int> RowsByLocation(const FileListOps& list)
{
    std::unordered_map<std::string, int> rows;
    TextBuffer location = {};
    for (int row = 0; row < list.RowCount(); ++row) {
        list.GetText(row, kColumnLocation, location, sizeof location);
        rows.emplace(location, row);
    }
    return rows;
}

}  // namespace

void BeginUndoBatch()
{
    recordIsOlder = true;
}

void ClearUndoRecord()
{
    std::vector<RenameStep>().swap(steps);
    recordIsOlder = false;
}

void RecordRename(const char* from, const char* to)
{
    if (recordIsOlder) ClearUndoRecord();
    // A file that cannot be identified is recorded all the same: its undo then fails on its row.
    steps.push_back(RenameStep{from, to, IdentifyFile(to)});
}

bool CanUndo()
{
    return !steps.empty();
}

int UndoLastBatch(FileListOps& list)
{
    const std::unordered_map<std::string, int> rows = RowsByLocation(list);
    const unsigned total = static_cast<unsigned>(steps.size());
    int back = 0;
    for (std::size_t index = steps.size(); index-- > 0;) {
        const RenameStep& step = steps[index];
        const auto found = rows.find(step.to);
        const int row = found == rows.end() ? -1 : found->second;
        const bool moved = PutBack(step);
        back += moved ? 1 : 0;
        if (row >= 0 && moved) UpdateRenamedRow(list, row, step.from.c_str());
        if (row >= 0 && !moved) SetResultMark(list, row, kResultFailed);
        ReportWorkProgress(total - static_cast<unsigned>(index), total);
    }
    ClearUndoRecord();
    return back;
}
