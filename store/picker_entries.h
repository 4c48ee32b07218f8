#pragma once
#include <windows.h>

#include <string>
#include <unordered_set>

// The entries of the tag combo box during one collection pass. The box itself is the store: a new tag goes in
// with CB_ADDSTRING, and whether the box already holds the same tag is decided by the box's own comparison
// (its locale, letter case ignored) against the entries beside the place it took. A pass costs a few control
// calls for each tag it meets for the first time, whatever the size of the box.
class PickerEntries {
public:
    // Turns the box's redraw off for the pass; the destructor turns it on again.
    explicit PickerEntries(HWND combo);
    ~PickerEntries();
    PickerEntries(const PickerEntries&) = delete;
    PickerEntries& operator=(const PickerEntries&) = delete;

    // True when the box holds the same tag.
    bool Contains(const char* tag);
    // Puts tag into the box unless the box holds the same tag (false then).
    bool Add(const char* tag);

private:
    bool Insert(const char* tag, bool keep);

    HWND combo_;
    LCID locale_;
    // The tags met in this pass that the box holds now, as given: met again, they cost no control call.
    std::unordered_set<std::string> held_;
};
