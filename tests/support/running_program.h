#pragma once
#include <windows.h>

#include <string>

// The path of the built Tagrin.exe, as this process under Wine sees it.
std::string BuiltProgramPath();

// The real Tagrin.exe, copied into a program folder and started there as a user starts it; every wait
// is bounded, and a program that does not answer in time is ended so that nothing outlives the test.
class RunningProgram {
public:
    // Copies the built program into folder (when it is not there yet) and starts it with the tail, in
    // workFolder, or in this process's current directory when workFolder is empty. The program path is
    // quoted on the command line, unless quoted is false (as a user may type it in a console).
    RunningProgram(const std::string& folder, const std::string& commandTail, const std::string& workFolder = "",
                   bool quoted = true);
    // The same for a folder of any name, started in it.
    RunningProgram(const std::wstring& folder, const std::wstring& commandTail);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The main window once it is there, or nullptr after milliseconds. With a null title: the program's
    // dialog as soon as it exists, before start-up has given it its title.
    HWND WaitForWindow(DWORD milliseconds, const char* title = "Tagrin v1.0.0");
    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    // A control's text, read from this process.
    std::string ItemText(int id) const;
    // Keys go through the program's own loop, as typed keys do.
    void PressKey(HWND target, WPARAM key) const;
    // The exit code once the program has ended, or -2 when it did not end in time.
    long WaitForExit(DWORD milliseconds);
    // Posts WM_CLOSE and waits for the exit: the exit code, or -2 when it did not end in time.
    long CloseAndWait(DWORD milliseconds);
    bool Started() const { return process_.hProcess != nullptr; }

private:
    void Start(const std::wstring& folder, const std::wstring& commandTail, const std::wstring& workFolder, bool quoted);

    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};
