#include "app/dll_search.h"

#include <windows.h>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

void LoadLibrariesOnlyFromSystemFolder()
{
    // Windows 8 and later have it, Windows 7 with its 2011 update; looked up, so that the program starts without.
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDirectories>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Without it the program's own folder stays in the search; the current directory, which start-up makes that
    // same folder, at least goes. The guide advises a folder of its own.
    SetDllDirectoryW(L"");
}
