#include "tags/undo_record.h"

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/work_progress.h"
#include "tags/core/text_buffer.h"

namespace {

// Which file a name stands for: the volume, the file's index on it and its creation time, which a rename keeps.
// The index alone is not enough: a file system may give a deleted file's index to the next new one.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    FILETIME created = {};
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

// The identity of the plain file at location; false for a folder or when nothing can be opened there.
bool IdentifyFile(const char* location, FileIdentity* identity)
{
    HANDLE file = CreateFileA(location, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool known = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    if (!known || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    identity->volume = info.dwVolumeSerialNumber;
    identity->indexHigh = info.nFileIndexHigh;
    identity->indexLow = info.nFileIndexLow;
    identity->created = info.ftCreationTime;
    identity->known = true;
    return true;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    return a.known && b.known && a.volume == b.volume && a.indexHigh == b.indexHigh && a.indexLow == b.indexLow &&
           CompareFileTime(&a.created, &b.created) == 0;
}

// MoveFileA fails rather than replace a file at the old name.
bool PutBack(const RenameStep& step)
{
    FileIdentity standing;
    if (!IdentifyFile(step.to.c_str(), &standing) || !SameFile(standing, step.file)) return false;
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
    RenameStep step{from, to, {}};
    // A file that cannot be identified is recorded all the same: its undo then fails on its row.
    IdentifyFile(to, &step.file);
    steps.push_back(std::move(step));
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
