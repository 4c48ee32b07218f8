#pragma once
#include <windows.h>

// The DPI of the display a window is shown on: GetDpiForWindow where the system has it (looked up at run time:
// Windows 10 1607 and later), otherwise the screen's.
UINT WindowDpi(HWND window);
// A size given in pixels at 96 DPI, at dpi.
int ScaleToDpi(int pixels, UINT dpi);
