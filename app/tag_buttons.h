#pragma once
#include <windows.h>

int OnAddButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnDeleteButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// IDC_UNDO_BUTTON "元に戻す(&U)": enabled while the last batch that renamed anything can be put back.
int OnUndoButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// IDC_CLEAR_BUTTON "リストのクリア": the rows go, and with them the record of their renames.
int OnClearButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
