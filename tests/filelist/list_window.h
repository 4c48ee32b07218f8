#pragma once
#include <windows.h>

#include "res/control_ids.h"

// A top-level window with the dialog's extra bytes (so DWLP_MSGRESULT works) holding the controls the
// file-list code reaches by ID: the list view IDC_FILE_LIST set up by SetUpFileListView, the count label
// IDC_COUNT_LABEL, the recursion box IDC_RECURSE_BOX, the extension edit IDC_EXT_EDIT and the check-all box
// IDC_CHECK_ALL_BOX.
class ListWindow {
public:
    explicit ListWindow(bool shown = false);
    ~ListWindow();
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    HWND Dialog() const { return dialog_; }
    HWND List() const { return GetDlgItem(dialog_, IDC_FILE_LIST); }

private:
    HWND dialog_ = nullptr;
};
