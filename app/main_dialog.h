#pragma once
#include <windows.h>

#include "app/dispatch.h"

// The dialog procedure of the main dialog: scans MessageTable, then CommandTable for WM_COMMAND.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

extern const MessageRow MessageTable[10];
extern const CommandRow CommandTable[9];

int OnInitDialog(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnClose(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnQueryEndSession(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnEndSession(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnDestroy(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnSize(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnCommand(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
int OnCloseButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);

// What start-up hands the main dialog as its creation parameter: the command-line tail (UTF-16), the
// folder the program was started in, which the tail's relative paths are relative to, and what the user is
// to be told of the store files (null or empty when nothing).
struct StartUp {
    const wchar_t* commandTail;
    const wchar_t* startFolder;
    const char* storeMessage;
};

// Makes the program's folder the current directory and creates the main dialog (hidden until its
// initialisation shows it) with the command-line tail. Null on failure.
HWND CreateMainDialog(HINSTANCE instance, const wchar_t* commandTail);
