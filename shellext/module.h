#pragma once
#include <windows.h>

// What the whole extension shares: its own module handle and the count that keeps it loaded.
extern HINSTANCE g_module;

// Every live object and every server lock holds the module in memory; DllCanUnloadNow asks this count.
void LockModule();
void UnlockModule();
bool IsModuleInUse();
