#pragma once
#include <windows.h>

// Dispatches every waiting message of the thread without waiting for new ones. A WM_QUIT met here
// is posted again with its exit code, so the main loop still ends the program.
void DrainMessageQueue(HWND dialog);

// The main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop(HWND dialog);
