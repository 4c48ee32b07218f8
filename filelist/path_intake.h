#pragma once
#include <windows.h>

// Adds the paths of a path text (command-line tail or one dropped path) to control 1001 of dialog:
// folders are scanned through all levels when recurse is nonzero, files pass the extension filter.
void AddPathList(HWND dialog, const char* text, const char* extText, int recurse);
// WM_DROPFILES.
int OnDropFiles(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
