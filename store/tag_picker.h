#pragma once
#include <windows.h>

// Appends every entry of the combo box's list to ".\タグ.txt".
void SavePickerToHistory(HWND dialog);
