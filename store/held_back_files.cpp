#include "store/held_back_files.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/store_encoding.h"
#include "tags/core/text_buffer.h"

namespace {

// Held by full path: the same file is named ".\タグ.txt" and "タグ.txt".
std::vector<std::string>& HeldBackPaths()
{
    static std::vector<std::string> paths;
    return paths;
}

std::string FullPath(const char* fileName)
{
    TextBuffer full = {};
    const DWORD length = GetFullPathNameA(fileName, sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? std::string(fileName) : std::string(full);
}

}  // namespace

void HoldBack(const char* fileName)
{
    HeldBackPaths().push_back(FullPath(fileName));
}

bool IsHeldBack(const char* fileName)
{
    const std::vector<std::string>& paths = HeldBackPaths();
    // Most runs hold nothing back: then a settings read costs no path work.
    return !paths.empty() && std::find(paths.begin(), paths.end(), FullPath(fileName)) != paths.end();
}

bool MayWriteStoreFile(const char* fileName)
{
    if (IsHeldBack(fileName)) return false;
    std::string bytes;
    TextForm form = TextForm::ShiftJis;
    return !FormOfStoreFile(fileName, bytes, form) || form == TextForm::ShiftJis;
}
