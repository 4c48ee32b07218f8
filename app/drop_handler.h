#pragma once
#include <windows.h>

// WM_DROPFILES: the dropped paths go through the intake with the filter and flag the controls show, then the
// tag collection and the row count.
int OnDropFiles(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
