#include "store/picker_entries.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "text/text_buffer.h"
#include "names/exact_spelling.h"

namespace {

// A probe costs a handful of messages and a search inside the box: about as much as reading 64 entries.
constexpr std::size_t kProbeCostInReads = 64;

// Reads the entry at index as the box keeps it (UTF-16); false when there is none.
bool ReadBoxEntry(HWND combo, LRESULT index, std::vector<wchar_t>& text)
{
    const LRESULT length = index < 0 ? CB_ERR : SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return false;
    text.assign(static_cast<std::size_t>(length) + 1, L'\0');
    return SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())) != CB_ERR;
}

// The tag as the box keeps it; false when it cannot be converted.
bool BoxText(const char* tag, wchar_t (&text)[kTextBufferSize])
{
    return MultiByteToWideChar(kShiftJis, 0, tag, -1, text, kTextBufferSize) != 0;
}

}  // namespace

PickerEntries::PickerEntries(HWND combo, std::size_t tagsToMeet, std::function<void()> step)
    : combo_(combo), locale_(static_cast<LCID>(SendMessageW(combo, CB_GETLOCALE, 0, 0))), step_(std::move(step))
{
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    readWhole_ = tagsToMeet * kProbeCostInReads > static_cast<std::size_t>(count > 0 ? count : 0);
    std::vector<wchar_t> entry;
    for (LRESULT index = 0; readWhole_ && index < count; ++index) {
        step_();
        if (!ReadBoxEntry(combo, index, entry)) continue;
        heldKeys_.push_back(BoxSortKey(locale_, entry.data()));
        keys_.insert(heldKeys_.back());
    }
    // The box sorted its entries by the comparison; when their keys stand in the same order, the place of a
    // new tag among them is known without asking the box.
    placesKnown_ = readWhole_ && heldKeys_.size() == static_cast<std::size_t>(count) &&
                   std::is_sorted(heldKeys_.begin(), heldKeys_.end());
    // With redraw on, the list updates its scroll bar at every insert, which costs more than the insert.
    SendMessageW(combo_, WM_SETREDRAW, FALSE, 0);
}

PickerEntries::~PickerEntries()
{
    SendMessageW(combo_, WM_SETREDRAW, TRUE, 0);
}

std::string BoxSortKey(LCID locale, const wchar_t* text)
{
    char key[8192];
    const int length = LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, text, -1, reinterpret_cast<wchar_t*>(key),
                                    static_cast<int>(sizeof key));
    if (length > 0) return std::string(key, static_cast<std::size_t>(length));
    return std::string(reinterpret_cast<const char*>(text), std::wcslen(text) * sizeof(wchar_t));
}

bool PickerEntries::Contains(const char* tag)
{
    if (met_.count(tag) != 0) return true;
    wchar_t text[kTextBufferSize];
    // A tag that cannot be converted cannot be offered: taken as held.
    if (!BoxText(tag, text)) return true;
    const bool held = readWhole_ ? keys_.count(BoxSortKey(locale_, text)) != 0 : !Probe(text, false);
    if (held) met_.insert(tag);
    return held;
}

bool PickerEntries::Add(const char* tag)
{
    if (met_.count(tag) != 0) return false;
    wchar_t text[kTextBufferSize];
    if (!BoxText(tag, text)) return false;
    met_.insert(tag);
    if (!readWhole_) return Probe(text, true);
    std::string key = BoxSortKey(locale_, text);
    if (!keys_.insert(key).second) return false;
    added_.emplace_back(std::move(key), text);
    return true;
}

// The box puts a new entry among its equals, so the same tag, if held, stands right beside it: one of the
// two neighbours decides. A tag already held is taken out again, which leaves the box as it was. keep:
// whether a tag new to the box stays in it. Returns whether the tag was new.
bool PickerEntries::Probe(const wchar_t* text, bool keep)
{
    const LRESULT index = SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (index < 0) return false;
    bool same = false;
    std::vector<wchar_t> entry;
    for (LRESULT beside : {index - 1, index + 1}) {
        same = same || (ReadBoxEntry(combo_, beside, entry) &&
                        CompareStringW(locale_, NORM_IGNORECASE, entry.data(), -1, text, -1) == CSTR_EQUAL);
    }
    if (same || !keep) SendMessageW(combo_, CB_DELETESTRING, index, 0);
    return !same;
}

void PickerEntries::InsertAdded()
{
    if (added_.empty()) return;
    std::sort(added_.begin(), added_.end());
    // Room for all of them at once: otherwise the box grows its array a few entries at a time, copying it
    // again and again when a drop brings tens of thousands of tags.
    std::size_t characters = 0;
    for (const auto& tag : added_) characters += tag.second.size() + 1;
    SendMessageW(combo_, CB_INITSTORAGE, added_.size(), characters * sizeof(wchar_t));
    // A new tag is never the same as a held one, so it goes after every held entry below it and every new
    // tag before it; where the places are not known, the box's own search finds them.
    for (std::size_t i = 0; i < added_.size(); ++i) {
        step_();
        const auto below = std::lower_bound(heldKeys_.begin(), heldKeys_.end(), added_[i].first);
        const WPARAM place = placesKnown_ ? static_cast<WPARAM>(below - heldKeys_.begin()) + i : 0;
        SendMessageW(combo_, placesKnown_ ? CB_INSERTSTRING : CB_ADDSTRING, place,
                     reinterpret_cast<LPARAM>(added_[i].second.c_str()));
    }
    // The held keys no longer list the box: later tags are placed by the box.
    placesKnown_ = false;
    added_.clear();
}
