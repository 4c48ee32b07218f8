#pragma once
#include <windows.h>

#include <string>
#include <unordered_set>
#include <vector>

// The entries of the tag combo box, held folded as the combo box's whole-string search folds them, so
// that a collection pass looks each tag up in a hash set instead of scanning the whole list for it.
class PickerEntries {
public:
    // Reads every entry of the combo box once.
    explicit PickerEntries(HWND combo);

    // True when the list holds an entry equal to tag as a whole string, letter case ignored; tags
    // added but not inserted yet count.
    bool Contains(const char* tag) const;
    // Takes tag into the set unless the set holds it already (false then); it enters the combo box at
    // InsertAdded. One conversion and one fold, where Contains and then Add would make two of each.
    bool Add(const char* tag);
    // Inserts the tags added since the last call where CB_ADDSTRING, one tag after the other, would
    // have put them: the box's own search for each costs more than the rest of a collection.
    void InsertAdded();

private:
    HWND combo_;
    std::vector<std::wstring> held_;  // the box's entries, in its order
    std::vector<std::wstring> addedTexts_;
    std::unordered_set<std::wstring> folded_;
};
