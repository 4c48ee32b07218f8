#pragma once
#include <windows.h>

// The two handler forms of the main dialog's dispatch tables. *result starts at 1 for every message;
// a handler may lower it to 0. A handler returns nonzero when it handled the message.
using MessageHandler = int (*)(HWND dialog, WPARAM wParam, LPARAM lParam, INT_PTR* result);
using CommandHandler = int (*)(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);

struct MessageRow {
    UINT message;
    MessageHandler handler;
};

struct CommandRow {
    int controlId;
    CommandHandler handler;
};
