#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A top-level window standing in for the main dialog: the tag combo box (IDC_TAG_COMBO, drop-down, sorted)
// and, when asked, a report-style list view (IDC_FILE_LIST) with the four file-list columns.
class ComboWindow {
public:
    explicit ComboWindow(bool withList = false);
    ~ComboWindow();
    ComboWindow(const ComboWindow&) = delete;
    ComboWindow& operator=(const ComboWindow&) = delete;

    HWND Window() const { return window_; }
    HWND Combo() const;
    HWND List() const;
    // The combo box's list, in its own order.
    std::vector<std::string> Entries() const;
    void AddEntry(const std::string& text);

private:
    HWND window_;
};

// count texts drawn from words the sorted box finds equal or near (letter case, widths, kana, ソ and
// 表, blanks and hyphens, empty), in a mixed order given by seed.
std::vector<std::string> MixedBoxTexts(int count, int seed);
