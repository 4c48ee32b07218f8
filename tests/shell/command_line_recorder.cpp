// Stands in for Tagrin.exe in the extension's tests: writes its command line (UTF-16, as the program reads it)
// to "command_line.txt" beside itself.
// The text is written under another name first and then renamed, so a reader never sees half of it.
#include <windows.h>

#include <cstring>
#include <cwchar>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char folder[1024] = {};
    DWORD length = GetModuleFileNameA(nullptr, folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return 1;
    char* lastSeparator = std::strrchr(folder, '\\');
    if (lastSeparator == nullptr) return 1;
    lastSeparator[1] = '\0';

    char partial[1200] = {};
    char complete[1200] = {};
    lstrcpynA(partial, folder, sizeof partial);
    lstrcpynA(complete, folder, sizeof complete);
    lstrcatA(partial, "command_line.tmp");
    lstrcatA(complete, "command_line.txt");

    const wchar_t* commandLine = GetCommandLineW();
    HANDLE file = CreateFileA(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(std::wcslen(commandLine) * sizeof(wchar_t));
    const BOOL ok = WriteFile(file, commandLine, size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!ok) return 1;
    return MoveFileExA(partial, complete, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
