#pragma once

#include <string>

// The full path of a store file (its name relative to the program's folder, in Shift-JIS), in UTF-16: the
// program's folder may have a name the code page cannot spell, which no ANSI full path could name. Empty when
// the name cannot be converted or the path not made.
std::wstring StoreFilePath(const char* fileName);
