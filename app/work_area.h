#pragma once
#include <windows.h>

// The monitors' work areas (each screen less its taskbar and docked bars), as the system reports them now.

// The work area of the monitor rect overlaps most. When rect meets no work area: that of the nearest monitor
// when nearest is set, otherwise none (false).
bool WorkAreaOf(const RECT& rect, bool nearest, RECT* area);
RECT PrimaryWorkArea();
// Whether no monitor is at least width wide and height high.
bool LargerThanEveryMonitor(int width, int height);
// How far workspace coordinates (those of a window's restored place) lie from screen coordinates on the monitor
// nearest rect: by the corner of its work area, past a taskbar at the top or left.
POINT WorkspaceOrigin(const RECT& rect);

// For tests, whose screen is the one they run on: area stands in for every monitor and its work area until
// this is called again with null.
void PretendWorkAreaForTests(const RECT* area);
