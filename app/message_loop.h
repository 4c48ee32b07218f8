#pragma once
#include <windows.h>

// Makes the program's folder the current directory and creates the main dialog (hidden until its
// initialisation shows it) with the command-line tail as its creation parameter. Null on failure.
HWND CreateMainDialog(HINSTANCE instance, const char* commandTail);

// Dispatches every waiting message of the thread without waiting for new ones. A WM_QUIT met here
// is posted again with its exit code, so the main loop still ends the program.
void DrainMessageQueue(HWND dialog);

// The main loop: runs until WM_QUIT and returns its exit code.
int RunMessageLoop(HWND dialog);
