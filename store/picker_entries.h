#pragma once
#include <windows.h>

#include <string>
#include <unordered_set>

// The entries of the tag combo box, held folded as the combo box's whole-string search folds them, so
// that a collection pass looks each tag up in a hash set instead of scanning the whole list for it.
class PickerEntries {
public:
    // Reads every entry of the combo box once.
    explicit PickerEntries(HWND combo);

    // True when the list holds an entry equal to tag as a whole string, letter case ignored.
    bool Contains(const char* tag) const;
    // Adds tag to the combo box (which places it in sorted order) and to the set.
    void Add(const char* tag);

private:
    HWND combo_;
    std::unordered_set<std::wstring> folded_;
};
