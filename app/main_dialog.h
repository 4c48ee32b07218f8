#pragma once
#include <windows.h>

#include "app/dispatch.h"

// The dialog procedure of the main dialog: scans MessageTable, then CommandTable for WM_COMMAND.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

extern const MessageRow MessageTable[8];
extern const CommandRow CommandTable[8];

int OnInitDialog(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnClose(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnDestroy(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnSize(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnCloseButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);

// The window title, set once the dialog has initialised.
extern const char kWindowTitle[];

// Makes the program's folder the current directory and creates the main dialog (hidden until its
// initialisation shows it) with the command-line tail as its creation parameter. Null on failure.
HWND CreateMainDialog(HINSTANCE instance, const char* commandTail);
