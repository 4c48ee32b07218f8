#include "support/window_input.h"

#include "res/control_ids.h"

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

namespace {

BOOL CALLBACK FindShownBox(HWND window, LPARAM found)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    // The box is found while it is still being built: only a shown one with its text is taken. The main
    // dialog is a dialog too, and has texts and an OK button of its own: it is the one with the file list.
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window) || !GetDlgItem(window, 0xFFFF) ||
        GetDlgItem(window, IDC_FILE_LIST))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

MessageBoxAnswers::MessageBoxAnswers() : threadId_(GetCurrentThreadId())
{
    watcher_ = std::thread([this] {
        while (!stop_) {
            HWND box = nullptr;
            EnumThreadWindows(threadId_, FindShownBox, reinterpret_cast<LPARAM>(&box));
            wchar_t title[64] = {};
            wchar_t text[16384] = {};
            if (box && GetWindowTextW(box, title, 64) && GetDlgItemTextW(box, 0xFFFF, text, 16384)) {
                texts_.push_back(std::wstring(title) + L"|" + text);
                SendMessageW(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box) && !stop_) Sleep(5);  // counted once, gone before the next look
            }
            Sleep(20);
        }
    });
}

MessageBoxAnswers::~MessageBoxAnswers()
{
    Texts();
}

std::vector<std::wstring> MessageBoxAnswers::Texts()
{
    stop_ = true;
    if (watcher_.joinable()) watcher_.join();
    return texts_;
}
