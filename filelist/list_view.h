#pragma once
#include <windows.h>

// Columns, styles, row height and image list of the file list (IDC_FILE_LIST), at the list's DPI.
void SetUpFileListView(HWND dialog);
// The list's sizes in pixels at dpi: the row height and check boxes from their sizes at 96 DPI, each column's
// width from the one it has, scaled from the DPI it was last set for.
void ScaleFileListView(HWND dialog, UINT dpi);
// The widths of the four columns, left to right, in pixels at 96 DPI. Setting leaves a column whose width is
// negative as it is.
constexpr int kFileListColumnCount = 4;
void GetColumnWidthsAt96(HWND dialog, int widths[kFileListColumnCount]);
void SetColumnWidthsAt96(HWND dialog, const int widths[kFileListColumnCount]);
// What the list keeps with its window; the dialog is being destroyed.
void ReleaseFileListView(HWND dialog);
// WM_NOTIFY from the file list: header click sort, custom-draw row colours, double-click open.
int OnListNotify(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
// IDC_CLEAR_BUTTON "リストのクリア".
int ClearFileList(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// IDC_CHECK_ALL_BOX "全てチェック".
int SetAllExclusions(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// The check-all box checked when there are rows and every one is excluded, unchecked otherwise.
void ShowRowsInCheckAllBox(HWND dialog);
// Scrolls the first row that failed, if any, into view; the selection stays as the user left it.
void ShowFirstFailedRow(HWND dialog);
// "合計 N件" into the count label (IDC_COUNT_LABEL).
void RefreshCountLabel(HWND dialog);
// Opens a file with its associated program, its folder as working directory.
void OpenRowFile(const char* location);
