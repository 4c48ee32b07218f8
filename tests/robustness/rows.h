#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The texts of one column of the dialog's file list, row by row.
std::vector<std::string> ColumnTexts(HWND dialog, int column);
// Presses a button of the dialog as a click does (the command runs before this returns).
void ClickButton(HWND dialog, int button);
