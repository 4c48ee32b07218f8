#include "store/held_back_files.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/store_encoding.h"
#include "store/store_path.h"

namespace {

// Held by full path: the same file is named ".\タグ.txt" and "タグ.txt".
std::vector<std::wstring>& HeldBackPaths()
{
    static std::vector<std::wstring> paths;
    return paths;
}

}  // namespace

void HoldBack(const char* fileName)
{
    HeldBackPaths().push_back(StoreFilePath(fileName));
}

bool IsHeldBack(const char* fileName)
{
    const std::vector<std::wstring>& paths = HeldBackPaths();
    // Most runs hold nothing back: then a settings read costs no path work.
    return !paths.empty() && std::find(paths.begin(), paths.end(), StoreFilePath(fileName)) != paths.end();
}

bool MayWriteStoreFile(const char* fileName)
{
    if (IsHeldBack(fileName)) return false;
    std::string bytes;
    TextForm form = TextForm::ShiftJis;
    return !FormOfStoreFile(fileName, bytes, form) || form == TextForm::ShiftJis;
}
