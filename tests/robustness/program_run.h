#pragma once
#include <windows.h>

#include <string>

// The real Tagrin.exe, copied into a program folder and started there as a user starts it; every wait
// is bounded, and a program that does not answer in time is ended so that nothing outlives the test.
class RunningProgram {
public:
    // Copies the built program into folder (when it is not there yet) and starts it with the tail.
    RunningProgram(const std::string& folder, const std::string& commandTail);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The main window once it is there, or nullptr after milliseconds.
    HWND WaitForWindow(DWORD milliseconds);
    // A control's text, read from this process.
    std::string ItemText(int id) const;
    // Posts WM_CLOSE and waits for the exit: the exit code, or -2 when it did not end in time.
    long CloseAndWait(DWORD milliseconds);
    bool Started() const { return process_.hProcess != nullptr; }

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};
