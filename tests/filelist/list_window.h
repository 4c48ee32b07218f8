#pragma once
#include <windows.h>

// A top-level window with the dialog's extra bytes (so DWLP_MSGRESULT works) holding the controls the
// file-list code reaches by ID: the list view 1001 set up by SetUpFileListView, the count label 1011,
// the recursion box 1013, the extension edit 1014 and the check-all box 1019.
class ListWindow {
public:
    explicit ListWindow(bool shown = false);
    ~ListWindow();
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    HWND Dialog() const { return dialog_; }
    HWND List() const { return GetDlgItem(dialog_, 1001); }

private:
    HWND dialog_ = nullptr;
};
