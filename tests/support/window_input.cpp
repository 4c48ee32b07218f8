#include "support/window_input.h"

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ClickButton(HWND parent, int button)
{
    SendMessageA(GetDlgItem(parent, button), BM_CLICK, 0, 0);
}
