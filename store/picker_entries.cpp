#include "store/picker_entries.h"

#include <algorithm>
#include <numeric>

#include "store/sorted_box_order.h"

namespace {

// The combo box keeps its texts in UTF-16 and compares them without regard to letter case; the same
// conversion and the platform's own upper-casing (ASCII, full-width and other letters) give the key.
std::wstring Folded(const std::wstring& text)
{
    std::wstring folded = text;
    if (!folded.empty()) CharUpperBuffW(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

}  // namespace

PickerEntries::PickerEntries(HWND combo) : combo_(combo)
{
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
        std::vector<wchar_t> text(static_cast<std::size_t>(length == CB_ERR ? 0 : length) + 1, L'\0');
        // An entry that cannot be read still holds its place in the list.
        if (length != CB_ERR) SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        held_.push_back(text.data());
        folded_.insert(Folded(text.data()));
    }
}

bool PickerEntries::Contains(const char* tag) const
{
    return folded_.count(Folded(BoxText(tag))) != 0;
}

bool PickerEntries::Add(const char* tag)
{
    std::wstring text = BoxText(tag);
    if (!folded_.insert(Folded(text)).second) return false;
    added_.push_back(tag);
    addedTexts_.push_back(std::move(text));
    return true;
}

void PickerEntries::InsertAdded()
{
    if (added_.empty()) return;
    const std::vector<std::size_t> places = SortedBoxPlaces(held_, addedTexts_);
    std::vector<std::size_t> byPlace(added_.size());
    std::iota(byPlace.begin(), byPlace.end(), 0);
    std::sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });

    std::size_t bytes = 0;
    for (const std::string& tag : added_) bytes += tag.size() + 1;
    SendMessageA(combo_, CB_INITSTORAGE, added_.size(), bytes * sizeof(wchar_t));
    // With redraw on, the list updates its scroll bar at every insert.
    SendMessageA(combo_, WM_SETREDRAW, FALSE, 0);
    // In rising order of place, every entry before a place is already where it belongs.
    std::vector<std::wstring> merged;
    merged.reserve(held_.size() + added_.size());
    std::size_t nextHeld = 0;
    for (std::size_t added : byPlace) {
        while (merged.size() < places[added]) merged.push_back(std::move(held_[nextHeld++]));
        // The box keeps UTF-16: the text converted once already goes in as it is.
        SendMessageW(combo_, CB_INSERTSTRING, places[added], reinterpret_cast<LPARAM>(addedTexts_[added].c_str()));
        merged.push_back(std::move(addedTexts_[added]));
    }
    SendMessageA(combo_, WM_SETREDRAW, TRUE, 0);
    while (nextHeld < held_.size()) merged.push_back(std::move(held_[nextHeld++]));
    held_ = std::move(merged);
    added_.clear();
    addedTexts_.clear();
}
