#include "store/picker_entries.h"

#include <vector>

#include "tags/core/text_buffer.h"

namespace {

// Reads the entry at index as the box keeps it (UTF-16); false when there is none.
bool ReadBoxEntry(HWND combo, LRESULT index, std::vector<wchar_t>& text)
{
    const LRESULT length = index < 0 ? CB_ERR : SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return false;
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    return SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())) != CB_ERR;
}

}  // namespace

PickerEntries::PickerEntries(HWND combo)
    : combo_(combo), locale_(static_cast<LCID>(SendMessageW(combo, CB_GETLOCALE, 0, 0)))
{
    // With redraw on, the list updates its scroll bar at every insert, which costs more than the insert.
    SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
}

PickerEntries::~PickerEntries()
{
    SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
}

bool PickerEntries::Contains(const char* tag)
{
    return held_.count(tag) != 0 || !Insert(tag, false);
}

bool PickerEntries::Add(const char* tag)
{
    return held_.count(tag) == 0 && Insert(tag, true);
}

// The box puts a new entry among its equals, so the same tag, if held, stands right beside it: one of the
// two neighbours decides, by the comparison the box sorts with. A tag already held is taken out again, which
// leaves the box as it was. keep: whether a tag new to the box stays in it. Returns whether the tag was new.
bool PickerEntries::Insert(const char* tag, bool keep)
{
    wchar_t text[kTextBufferSize] = {};
    if (MultiByteToWideChar(CP_ACP, 0, tag, -1, text, kTextBufferSize) == 0) return false;
    const LRESULT index = SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (index < 0) return false;
    bool same = false;
    std::vector<wchar_t> entry;
    for (LRESULT beside : {index - 1, index + 1}) {
        same = same || (ReadBoxEntry(combo_, beside, entry) &&
                        CompareStringW(locale_, NORM_IGNORECASE, entry.data(), -1, text, -1) == CSTR_EQUAL);
    }
    if (same || !keep) SendMessageW(combo_, CB_DELETESTRING, index, 0);
    if (same || keep) held_.insert(tag);
    return !same;
}
