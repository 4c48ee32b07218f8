#include "app/message_loop.h"

#include <shlwapi.h>

#include "app/control_ids.h"
#include "app/main_dialog.h"
#include "tags/text_buffer.h"

HWND CreateMainDialog(HINSTANCE instance, const char* commandTail) {
    // Every relative file name (".\設定.ini", ".\タグ.txt", ".\ShellExt.dll") resolves beside the program.
    TextBuffer folder = {};
    GetModuleFileNameA(nullptr, folder, sizeof folder - 1);
    *PathFindFileNameA(folder) = '\0';
    SetCurrentDirectoryA(folder);

    return CreateDialogParamA(instance, MAKEINTRESOURCEA(kMainDialogTemplate), nullptr, MainDialogProc,
                              reinterpret_cast<LPARAM>(commandTail ? commandTail : ""));
}

void DrainMessageQueue(HWND dialog) {
    MSG msg = {};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Hand the quit on to the main loop, which ends the program with its exit code.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

int RunMessageLoop(HWND dialog) {
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
