#include "tags/tag_rows.h"

#include <windows.h>

#include <cstring>

#include "filelist/work_progress.h"
#include "filelist/core/file_list_model.h"
#include "names/core/name_rule.h"
#include "store/tag_history.h"
#include "store/file_names.h"
#include "tags/core/tag_grammar.h"
#include "tags/tag_paths.h"
#include "text/text_buffer.h"
#include "tags/identified_move.h"
#include "tags/undo_record.h"
#include "names/core/path_parts.h"

namespace {

// The rename itself: only a new name that stays in its folder and in sight, on a path within the limit, is
// given, and never over an existing file. The row shows the outcome; the record of 元に戻す keeps the file the
// rename moved. Returns 1 when the file was renamed.
int RenameRow(FileListOps& list, int row, const char* oldLocation, const char* newLocation, std::size_t nameOffset)
{
    FileIdentity moved;
    const NameFault fault = FindPathFault(newLocation);
    RowResult result = RowResult::kRenamed;
    if (!IsSafeNewFileName(oldLocation + nameOffset, newLocation + nameOffset)) {
        result = FindNameFault(newLocation + nameOffset) == NameFault::kNameTooLong ? RowResult::kFailedNameTooLong
                                                                                    : RowResult::kFailedNameRefused;
    } else if (fault != NameFault::kNone) {
        result = fault == NameFault::kPathTooLong ? RowResult::kFailedPathTooLong : RowResult::kFailedNameRefused;
    } else {
        result = MoveIdentifiedFile(oldLocation, newLocation, nullptr, &moved);
    }
    if (result != RowResult::kRenamed) {
        SetRowResult(list, row, result);
        return 0;
    }
    RecordRename(oldLocation, newLocation, moved);
    UpdateRenamedRow(list, row, newLocation);
    return 1;
}

// The batch over every processed row in index order: work gets the row and its location and gives 1 when
// it renamed the file. The renames are what 元に戻す puts back. The tag goes into the history with the first
// rename, so that a batch cut off by a logoff or a kill keeps it as well as its renamed files.
template <typename RowWork>
int RunBatch(FileListOps& list, const char* tag, RowWork work)
{
    BeginUndoBatch();
    int done = 0;
    const int count = list.RowCount();
    for (int row = 0; row < count; ++row) {
        if (!IsRowProcessed(list, row)) {
            continue;
        }
        TextBuffer oldLocation = {};
        list.GetText(row, kColumnLocation, oldLocation, sizeof oldLocation);
        const int renamed = work(row, oldLocation);
        if (renamed > 0 && done == 0) {
            AppendTagToHistory(kHistoryFile, tag);
        }
        done += renamed;
        ReportWorkProgress(static_cast<unsigned>(row + 1), static_cast<unsigned>(count));
    }
    return done;
}

}  // namespace

void ClearResults(FileListOps& list, int count)
{
    for (int row = 0; row < count; ++row) {
        SetRowResult(list, row, RowResult::kUntouched);
    }
}

int AddTagToRows(FileListOps& list, const char* tag, const TagBrackets& brackets)
{
    return RunBatch(list, tag, [&](int row, const TextBuffer& oldLocation) {
        TextBuffer newLocation = {};
        std::memcpy(newLocation, oldLocation, sizeof newLocation);
        std::size_t offset = FileNamePartOffset(oldLocation);
        if (NameCarriesTag(oldLocation + offset, tag, brackets.opening, brackets.closing)) {
            return 0;
        }
        // A tagged location that does not fit in the buffer is refused whole, never cut.
        if (!ComposeTaggedName(brackets.before, tag, brackets.after, oldLocation + offset, newLocation + offset,
                               sizeof newLocation - offset)) {
            SetRowResult(list, row, RowResult::kFailedPathTooLong);
            return 0;
        }
        return RenameRow(list, row, oldLocation, newLocation, offset);
    });
}

int DeleteTagFromRows(FileListOps& list, const char* tag, const TagBrackets& brackets)
{
    return RunBatch(list, tag, [&](int row, const TextBuffer& oldLocation) {
        TextBuffer newLocation = {};
        if (!RemoveTagWithBrackets(oldLocation, tag, newLocation, brackets.opening, brackets.closing)) {
            return 0;
        }
        // A name that was nothing but the tag and blanks is left empty: the safety check refuses it.
        return RenameRow(list, row, oldLocation, newLocation, FileNamePartOffset(oldLocation));
    });
}
