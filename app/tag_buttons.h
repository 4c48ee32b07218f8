#pragma once
#include <windows.h>

int OnAddButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnDeleteButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
