// The tags of the listed names, added to the tag picker: what the user sees in the names, he can pick.
#include "tags/tag_collection.h"

#include <shlwapi.h>

#include <cstring>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "filelist/work_progress.h"
#include "store/picker_entries.h"
#include "store/settings.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "tags/core/tag_grammar.h"
#include "text/text_buffer.h"

namespace {

// Calls take for each tag of a TagList, in order; the list never runs past the buffer.
template <typename Take>
void ForEachTag(const char* tagList, int entries, Take take)
{
    const char* entry = tagList;
    const char* end = tagList + kTextBufferSize;
    for (int i = 0; i < entries && entry < end; ++i) {
        take(entry);
        entry += strnlen(entry, end - entry) + 1;
    }
}

bool HoldsEveryTag(PickerEntries& listed, const char* tagList, int entries)
{
    bool all = true;
    ForEachTag(tagList, entries, [&](const char* tag) { all = all && listed.Contains(tag); });
    return all;
}

}  // namespace

void CollectListedTags(HWND dialog, int firstNewRow)
{
    // Read once per pass, so hand edits of the brackets apply from the next pass.
    TextBuffer opening = {};
    TextBuffer closing = {};
    ReadBracketSettings(opening, closing);

    ListViewOps list = ListViewOps::OfDialog(dialog);
    const int rows = list.RowCount();
    if (rows == 0) return;
    PickerEntries listed(GetDlgItem(dialog, IDC_TAG_COMBO), static_cast<std::size_t>(rows),
                         [rows] { ReportWorkProgress(static_cast<unsigned>(rows), 0); });
    // Excluded rows count as well: their names are still names the user has seen.
    for (int row = 0; row < rows; ++row) {
        // A pass over rows that bring nothing new still looks at the queue as it goes.
        ReportWorkProgress(static_cast<unsigned>(rows), 0);
        TextBuffer location = {};
        list.GetText(row, kColumnLocation, location, sizeof location);
        const char* name = FindFileNamePart(location);
        TextBuffer tagList = {};
        const int entries = ReadTagListFromName(name, tagList, opening, closing);
        if (entries == 0) continue;
        // A folder gives no tags. Rows the intake has just added were files a moment ago; an older
        // row's file may have become a folder, which costs a file-system query to find out, and only
        // matters when the name brings a tag the list lacks.
        if (row < firstNewRow && (HoldsEveryTag(listed, tagList, entries) || PathIsDirectoryA(location))) continue;
        ForEachTag(tagList, entries, [&](const char* tag) { listed.Add(tag); });
    }
    listed.InsertAdded();
}
