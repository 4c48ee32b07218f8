#include "store/store_path.h"

#include <windows.h>

#include "names/exact_spelling.h"

std::wstring StoreFilePath(const char* fileName)
{
    wchar_t name[kWideTextSize] = {};
    if (MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, fileName, -1, name, kWideTextSize) == 0) return {};
    wchar_t full[kWideTextSize] = {};
    const DWORD length = GetFullPathNameW(name, kWideTextSize, full, nullptr);
    if (length == 0 || length >= kWideTextSize) return {};
    return full;
}
