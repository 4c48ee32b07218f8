#include "store/picker_entries.h"

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
    addedTexts_.push_back(std::move(text));
    return true;
}

void PickerEntries::InsertAdded()
{
    if (addedTexts_.empty()) return;
    const std::vector<std::size_t> places = SortedBoxPlaces(held_, addedTexts_);
    InsertAtPlaces(combo_, addedTexts_, places);
    // The held entries keep their order in the places the added ones left free.
    std::vector<std::wstring> merged(held_.size() + addedTexts_.size());
    std::vector<bool> taken(merged.size(), false);
    for (std::size_t i = 0; i < places.size(); ++i) {
        merged[places[i]] = std::move(addedTexts_[i]);
        taken[places[i]] = true;
    }
    std::size_t nextHeld = 0;
    for (std::size_t k = 0; k < merged.size(); ++k) {
        if (!taken[k]) merged[k] = std::move(held_[nextHeld++]);
    }
    held_ = std::move(merged);
    addedTexts_.clear();
}
