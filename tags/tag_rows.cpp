#include "tags/tag_rows.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "filelist/work_progress.h"
#include "filelist/core/file_list_model.h"
#include "store/settings.h"
#include "store/tag_history.h"
#include "store/file_names.h"
#include "tags/core/tag_grammar.h"
#include "tags/tag_paths.h"
#include "tags/core/text_buffer.h"
#include "tags/undo_record.h"

namespace {

// Offset of the file-name part in a location, as PathFindFileNameA finds it; the new location keeps
// everything before it, so a rename never leaves the file's folder.
std::size_t NamePartOffset(const char* location)
{
    return static_cast<std::size_t>(PathFindFileNameA(location) - location);
}

// Whether the file calls can reach location: at most MAX_PATH - 1 characters. A longer name would be
// made, and then neither deleted from nor renamed again.
bool IsReachable(const char* location)
{
    const int units = MultiByteToWideChar(CP_ACP, 0, location, -1, nullptr, 0);
    return units > 0 && units <= MAX_PATH;
}

// The rename itself: only a safe, reachable new name is handed to MoveFileA, which fails rather than
// replace an existing file. The row shows the outcome. Returns 1 when the file was renamed.
int RenameRow(FileListOps& list, int row, const char* oldLocation, const char* newLocation, std::size_t nameOffset)
{
    if (!IsSafeNewFileName(newLocation + nameOffset) || !IsReachable(newLocation) ||
        !MoveFileA(oldLocation, newLocation)) {
        SetResultMark(list, row, kResultFailed);
        return 0;
    }
    RecordRename(oldLocation, newLocation);
    UpdateRenamedRow(list, row, newLocation);
    return 1;
}

// Whether the tag list holds tag; an empty entry ends the list for every reader.
bool TagListHolds(const char* tagList, const char* tag)
{
    for (const char* entry = tagList; *entry != '\0'; entry += std::strlen(entry) + 1) {
        if (TagEquals(entry, tag)) {
            return true;
        }
    }
    return false;
}

// The batch over every processed row in index order: work gets the row and its location and gives 1 when
// it renamed the file. The tag is recorded when anything was renamed; the renames are what 元に戻す puts back.
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
        done += work(row, oldLocation);
        ReportWorkProgress(static_cast<unsigned>(row + 1), static_cast<unsigned>(count));
    }
    if (done > 0) {
        AppendTagToHistory(kHistoryFile, tag);
    }
    return done;
}

}  // namespace

void ClearResults(FileListOps& list, int count)
{
    for (int row = 0; row < count; ++row) {
        SetResultMark(list, row, "");
    }
}

int AddTagToRows(FileListOps& list, const char* tag)
{
    TextBuffer opening = {};
    TextBuffer closing = {};
    TextBuffer before = {};
    TextBuffer after = {};
    ReadBracketSettings(opening, closing);
    ReadAddBrackets(before, after);

    return RunBatch(list, tag, [&](int row, const TextBuffer& oldLocation) {
        TextBuffer newLocation = {};
        TextBuffer tagList = {};
        std::memcpy(newLocation, oldLocation, sizeof newLocation);
        ReadTagList(oldLocation, tagList, opening, closing);
        if (TagListHolds(tagList, tag)) {
            return 0;
        }
        // A folder standing where a listed file was is never renamed.
        if (PathIsDirectoryA(oldLocation)) {
            SetResultMark(list, row, kResultFailed);
            return 0;
        }
        std::size_t offset = NamePartOffset(oldLocation);
        // A tagged location that does not fit in the buffer is refused whole, never cut.
        if (!ComposeTaggedName(before, tag, after, oldLocation + offset, newLocation + offset,
                               sizeof newLocation - offset)) {
            SetResultMark(list, row, kResultFailed);
            return 0;
        }
        return RenameRow(list, row, oldLocation, newLocation, offset);
    });
}

int DeleteTagFromRows(FileListOps& list, const char* tag)
{
    // The bracket sets are read once per batch, as Add reads them: under Wine one read of the
    // settings file costs about as much as the rename itself.
    TextBuffer opening = {};
    TextBuffer closing = {};
    ReadBracketSettings(opening, closing);

    return RunBatch(list, tag, [&](int row, const TextBuffer& oldLocation) {
        TextBuffer newLocation = {};
        if (!RemoveTagWithBrackets(oldLocation, tag, newLocation, opening, closing)) {
            return 0;
        }
        // A name that was nothing but the tag and blanks is left empty: the safety check refuses it.
        return RenameRow(list, row, oldLocation, newLocation, NamePartOffset(oldLocation));
    });
}
