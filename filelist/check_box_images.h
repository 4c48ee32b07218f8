#pragma once
#include <windows.h>
#include <commctrl.h>

// The list's check boxes as a state image list drawn at dpi, in the order the list view's own list has them:
// image 0 the empty box (state index 1, processed), image 1 the checked box (state index 2, excluded).
HIMAGELIST CreateCheckBoxImages(HWND list, UINT dpi);
