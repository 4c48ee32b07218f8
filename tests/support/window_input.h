#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// Handles every waiting message of the thread.
void PumpMessages();
// Presses a button (or check box) of a window of this thread as a click does: the command runs, and an
// auto check box toggles itself, before this returns.
void ClickButton(HWND parent, int button);

// Answers every message box this thread shows while it lives: keeps each box's title and text (UTF-16) and
// presses OK. Made before the call that may show one; Texts() stops watching and gives what was seen.
class MessageBoxAnswers {
public:
    MessageBoxAnswers();
    ~MessageBoxAnswers();
    MessageBoxAnswers(const MessageBoxAnswers&) = delete;
    MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;
    // "title|text" of each box, in order.
    std::vector<std::wstring> Texts();

private:
    DWORD threadId_;
    std::atomic<bool> stop_{false};
    std::vector<std::wstring> texts_;
    std::thread watcher_;
};
