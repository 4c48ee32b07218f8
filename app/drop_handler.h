#pragma once
#include <windows.h>

// WM_DROPFILES: the dropped paths go through the intake with the filter and flag the controls show, then the
// tag collection and the row count.
int OnDropFiles(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);

// The filter box (IDC_EXT_EDIT) takes at most what a text buffer holds, counted in code-page bytes: a longer text would
// be cut when a drop or the close reads it, and a cut filter takes other files than the text names.
void LimitFilterText(HWND dialog);
// Its EN_CHANGE: a change that makes the text too long is taken back.
int OnFilterChange(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
