#include "store/tag_picker.h"

#include <shlwapi.h>

#include <cstring>

#include "app/control_ids.h"
#include "filelist/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "store/history_file.h"
#include "store/picker_entries.h"
#include "store/settings.h"
#include "store/tag_history.h"
#include "tags/tag_grammar.h"

namespace {

constexpr int kTextSize = 1024;

// Calls take for each entry of a TagList, in order: the entries end at the first empty one, and never
// run past the buffer.
template <typename Take>
void ForEachTag(const char* tagList, int entries, Take take) {
    const char* entry = tagList;
    const char* end = tagList + kTextSize;
    for (int i = 0; i < entries && entry < end && entry[0] != '\0'; ++i) {
        take(entry);
        entry += strnlen(entry, end - entry) + 1;
    }
}

bool HoldsEveryTag(const PickerEntries& listed, const char* tagList, int entries) {
    bool all = true;
    ForEachTag(tagList, entries, [&](const char* tag) { all = all && listed.Contains(tag); });
    return all;
}

// Reads entry index into text (kTextSize bytes); false when it does not fit. The entry is read as
// UTF-16 and converted: the ANSI message has no size argument, and Wine converts it for a Unicode
// control through a stack buffer of 512 characters, which a longer entry overruns.
bool ReadPickerEntry(HWND combo, LRESULT index, char* text) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= kTextSize) return false;
    wchar_t wide[kTextSize] = {};
    if (SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide)) == CB_ERR) return false;
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, -1, text, kTextSize, nullptr, nullptr);
    if (bytes == 0) {
        text[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

void CollectListedTags(HWND dialog, int firstNewRow) {
    // Read once per pass, so hand edits of the brackets apply from the next pass.
    char opening[kTextSize] = {};
    char closing[kTextSize] = {};
    ReadBracketSettings(opening, closing);

    ListViewOps list = ListViewOps::OfDialog(dialog);
    const int rows = list.RowCount();
    if (rows == 0) return;
    // One read of the whole list per pass; a search of the list for every tag would grow with rows x entries.
    PickerEntries listed(GetDlgItem(dialog, kTagCombo));
    // Excluded rows count as well: their names are still names the user has seen.
    for (int row = 0; row < rows; ++row) {
        char location[kTextSize] = {};
        list.GetText(row, kColumnLocation, location, sizeof location);
        const char* name = PathFindFileNameA(location);
        char tagList[kTextSize] = {};
        const int entries = name[0] == '\0' ? 0 : ReadTagListFromName(name, tagList, opening, closing);
        // An empty first tag hides the rest of the name's tags.
        if (entries == 0 || tagList[0] == '\0' || HoldsEveryTag(listed, tagList, entries)) continue;
        // A folder gives no tags. Rows the intake has just added were files a moment ago; an older
        // row's file may have become a folder, which costs a file-system query to find out.
        if (row < firstNewRow && PathIsDirectoryA(location)) continue;
        ForEachTag(tagList, entries, [&](const char* tag) {
            if (!listed.Contains(tag)) listed.Add(tag);
        });
    }
    listed.InsertAdded();
}

void SavePickerToHistory(HWND dialog) {
    HWND combo = GetDlgItem(dialog, kTagCombo);
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    HistoryAppender history(kHistoryFile);
    for (LRESULT index = 0; index < count; ++index) {
        char text[kTextSize] = {};
        if (ReadPickerEntry(combo, index, text)) history.Append(text);
    }
}
