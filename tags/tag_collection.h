#pragma once
#include <windows.h>

// Adds every tag found in the listed names to the tag combo box, once each (letter case ignored).
// Rows from firstNewRow on were added by the intake just before and are known to be files.
void CollectListedTags(HWND dialog, int firstNewRow);
