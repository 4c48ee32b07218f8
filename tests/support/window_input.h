#pragma once
#include <windows.h>

// Handles every waiting message of the thread.
void PumpMessages();
// Presses a button (or check box) of a window of this thread as a click does: the command runs, and an
// auto check box toggles itself, before this returns.
void ClickButton(HWND parent, int button);
