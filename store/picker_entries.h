#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

// The entries of the tag combo box during one collection pass. "The same tag" is what the box's own
// comparison (its locale, letter case ignored) finds equal, and new tags go in with CB_ADDSTRING, so the box
// sorts them itself. A pass that meets few tags against a large box asks the box about each: the tag is
// added, and the same tag, if held, stands right beside the place the box gave it. A pass that meets many
// reads the box once and looks each tag up by the comparison's sort key, which is equal exactly when the
// comparison finds two texts equal.
class PickerEntries {
public:
    // tagsToMeet: about how many tags the pass will look up. step is called before each entry read and
    // each tag inserted, so that long work can look at its queue. Turns the box's redraw off for the pass;
    // the destructor turns it on again.
    PickerEntries(HWND combo, std::size_t tagsToMeet, std::function<void()> step);
    ~PickerEntries();
    PickerEntries(const PickerEntries&) = delete;
    PickerEntries& operator=(const PickerEntries&) = delete;

    // True when the box holds the same tag, or will once the added tags are inserted.
    bool Contains(const char* tag);
    // Takes tag for the box unless the box holds the same tag (false then).
    bool Add(const char* tag);
    // Puts the tags taken since the last call into the box, in their sorted order.
    void InsertAdded();

private:
    bool Probe(const wchar_t* text, bool keep);

    HWND combo_;
    LCID locale_;
    std::function<void()> step_;
    bool readWhole_;
    // The tags met in this pass that the box holds (or will), as given: met again, they cost nothing.
    std::unordered_set<std::string> met_;
    // Read once: the sort keys of the box's entries and of the tags taken, and the box's keys in its order.
    std::unordered_set<std::string> keys_;
    std::vector<std::string> heldKeys_;
    bool placesKnown_;
    std::vector<std::pair<std::string, std::wstring>> added_;
};

// The sort key of text under the box's comparison (locale, letter case ignored): two keys are equal exactly
// when the comparison finds the texts equal, and they order as it does. A key too long for the buffer is
// the text itself, the same only as itself.
std::string BoxSortKey(LCID locale, const wchar_t* text);
