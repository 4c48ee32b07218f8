#pragma once
#include <windows.h>

// Adds every tag found in the listed names to the tag combo box, once each (letter case ignored).
void CollectListedTags(HWND dialog);
// Appends every entry of the combo box's list to ".\タグ.txt".
void SavePickerToHistory(HWND dialog);
