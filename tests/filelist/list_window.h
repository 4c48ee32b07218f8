#pragma once
#include <windows.h>

#include "app/control_ids.h"

// A top-level window with the dialog's extra bytes (so DWLP_MSGRESULT works) holding the controls the
// file-list code reaches by ID: the list view kFileList set up by SetUpFileListView, the count label
// kCountLabel, the recursion box kRecurseBox, the extension edit kExtEdit and the check-all box kCheckAllBox.
class ListWindow {
public:
    explicit ListWindow(bool shown = false);
    ~ListWindow();
    ListWindow(const ListWindow&) = delete;
    ListWindow& operator=(const ListWindow&) = delete;

    HWND Dialog() const { return dialog_; }
    HWND List() const { return GetDlgItem(dialog_, kFileList); }

private:
    HWND dialog_ = nullptr;
};
