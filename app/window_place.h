#pragma once
#include <windows.h>

#include "store/window_settings.h"

// The main window's place and size on the screen. Whatever it is asked to take, the whole window lies inside
// one monitor's work area: a window larger than that area is made as large as it allows.

// At start-up, before the window shows: the saved window at the window's DPI when it was taken whole, is no
// larger than every monitor, and meets a monitor's work area (otherwise it is centred in the primary one's);
// else the window as the dialog lays it out. The saved column widths are set either way.
void PlaceMainWindow(HWND dialog, const WindowSettings& saved);
// Moves and sizes the window to frame, fitted into the work area of the monitor frame overlaps most.
void MoveMainWindowInside(HWND dialog, RECT frame);
// The window's normal place and size (as it would be restored when minimised or maximised) and its column
// widths, in pixels at 96 DPI, for the close to save.
WindowSettings TakeWindowSettings(HWND dialog);
