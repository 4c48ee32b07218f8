#include "support/running_program.h"

#include <algorithm>

#include "support/files.h"

// The build hands over the Linux path of Tagrin.exe; Wine maps / to drive Z:.
std::string BuiltProgramPath()
{
    std::string path = "Z:" TAGRIN_EXE_PATH;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

RunningProgram::RunningProgram(const std::string& folder, const std::string& commandTail, const std::string& workFolder,
                               bool quoted)
{
    Start(Utf16(folder), Utf16(commandTail), Utf16(workFolder), quoted);
}

RunningProgram::RunningProgram(const std::wstring& folder, const std::wstring& commandTail)
{
    Start(folder, commandTail, folder, true);
}

void RunningProgram::Start(const std::wstring& folder, const std::wstring& commandTail, const std::wstring& workFolder,
                           bool quoted)
{
    const std::wstring program = folder + L"\\Tagrin.exe";
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !CopyFileW(Utf16(BuiltProgramPath()).c_str(), program.c_str(), FALSE)) {
        return;
    }
    std::wstring commandLine = (quoted ? L"\"" + program + L"\"" : program) + L" " + commandTail;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.empty() ? nullptr : workFolder.c_str(), &startup, &process_)) {
        process_ = {};
    }
}

RunningProgram::~RunningProgram()
{
    if (!Started()) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::WaitForWindow(DWORD milliseconds, const char* title)
{
    // A short poll: a close "during start-up" must reach the dialog before start-up is over.
    const char* className = title == nullptr ? "#32770" : nullptr;
    const DWORD start = GetTickCount();
    while (Started()) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, className, title)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId) {
                window_ = window;
                return window;
            }
        }
        if (GetTickCount() - start > milliseconds) {
            break;
        }
        Sleep(5);
    }
    return nullptr;
}

std::string RunningProgram::ItemText(int id) const
{
    char text[1024] = {};
    SendMessageTimeoutA(GetDlgItem(window_, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

void RunningProgram::PressKey(HWND target, WPARAM key) const
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

long RunningProgram::WaitForExit(DWORD milliseconds)
{
    if (!Started() || WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -2;
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return static_cast<long>(exitCode);
}

long RunningProgram::CloseAndWait(DWORD milliseconds)
{
    if (!Started()) {
        return -2;
    }
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return WaitForExit(milliseconds);
}
