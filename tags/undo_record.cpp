#include "tags/undo_record.h"

#include <windows.h>

#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/work_progress.h"
#include "text/text_buffer.h"

namespace {

struct RenameStep {
    std::string from;
    std::string to;
    FileIdentity file;
};

// The renames still to be put back, in the batch's order, and the old locations of those an earlier 元に戻す put
// back: their rows keep showing it.
std::vector<RenameStep> steps;
std::vector<std::string> putBack;
// Set when a batch begins: its first rename replaces the record, so a batch that renames nothing leaves it.
bool recordIsOlder = false;

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
    ForgetVolumes();
}

void ClearUndoRecord()
{
    std::vector<RenameStep>().swap(steps);
    std::vector<std::string>().swap(putBack);
    recordIsOlder = false;
}

void RecordRename(const char* from, const char* to, const FileIdentity& file)
{
    if (recordIsOlder) ClearUndoRecord();
    // A file that could not be identified is recorded all the same: its undo then fails on its row.
    steps.push_back(RenameStep{from, to, file});
}

bool CanUndo()
{
    return !steps.empty();
}

int UndoLastBatch(FileListOps& list)
{
    ForgetVolumes();
    const std::unordered_map<std::string, int> rows = RowsByLocation(list);
    for (const std::string& location : putBack) {
        const auto found = rows.find(location);
        if (found != rows.end()) SetRowResult(list, found->second, RowResult::kRenamed);
    }
    const unsigned total = static_cast<unsigned>(steps.size());
    std::vector<RenameStep> stayed;
    int back = 0;
    for (std::size_t index = steps.size(); index-- > 0;) {
        RenameStep& step = steps[index];
        const auto found = rows.find(step.to);
        const int row = found == rows.end() ? -1 : found->second;
        // Only the file the batch renamed, and never onto anything standing at its old name.
        const RowResult result = MoveIdentifiedFile(step.to.c_str(), step.from.c_str(), &step.file, nullptr);
        if (result == RowResult::kRenamed) {
            ++back;
            putBack.push_back(step.from);
            if (row >= 0) UpdateRenamedRow(list, row, step.from.c_str());
        } else {
            if (row >= 0) SetRowResult(list, row, result);
            stayed.push_back(std::move(step));
        }
        ReportWorkProgress(total - static_cast<unsigned>(index), total);
    }
    // Kept in the batch's order, for the next try to go the last first again.
    steps.assign(std::make_move_iterator(stayed.rbegin()), std::make_move_iterator(stayed.rend()));
    return back;
}
