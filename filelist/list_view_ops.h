#pragma once
#include <windows.h>

#include "filelist/core/file_list_ops.h"

// FileListOps over a real report-style list view (IDC_FILE_LIST). The location index lives with
// the window (the list view's user data) and is freed by ReleaseLocationIndex when the dialog is destroyed.
class ListViewOps : public FileListOps {
public:
    explicit ListViewOps(HWND list) : list_(list) {}
    // The list view of a dialog.
    static ListViewOps OfDialog(HWND dialog);

    HWND Window() const { return list_; }

    int RowCount() const override;
    int InsertRow(int index, std::uint32_t key) override;
    void SetText(int row, int column, const char* text) override;
    void GetText(int row, int column, char* buffer, std::size_t size) const override;
    void SetKey(int row, std::uint32_t key) override;
    std::uint32_t GetKey(int row) const override;
    int FindKey(int start, std::uint32_t key) const override;
    int GetStateImage(int row) const override;
    void SetStateImage(int row, int index) override;
    void SetStateImageOfAll(int index) override;
    int GetResultCode(int row) const override;
    void SetResultCode(int row, int code) override;
    void DeleteAll() override;
    void ReorderRows(const std::vector<int>& order) override;
    LocationIndex& Locations() override;

private:
    HWND list_;
};

void ReleaseLocationIndex(HWND list);
