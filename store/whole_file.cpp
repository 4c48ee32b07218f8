#include "store/whole_file.h"

#include <windows.h>

#include "names/exact_spelling.h"
#include "store/store_path.h"

namespace {

bool WriteNewFile(const wchar_t* fileName, const std::string& bytes)
{
    HANDLE file = CreateFileW(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                written == bytes.size());
    // On the disk before it takes the old file's place.
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

}  // namespace

bool ReadWholeFile(const char* fileName, std::string& bytes)
{
    HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
    if (ok) {
        bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

bool ReplaceWholeFile(const char* fileName, const std::string& bytes)
{
    // The new file goes into the old one's folder, named in UTF-16 as any folder may be: a move within one volume
    // is a rename.
    const std::wstring target = StoreFilePath(fileName);
    const std::size_t separator = target.find_last_of(L'\\');
    if (separator == std::wstring::npos) return false;
    const std::wstring folder = target.substr(0, separator + 1);
    wchar_t newFile[kWideTextSize] = {};
    if (folder.size() + 14 > kWideTextSize || GetTempFileNameW(folder.c_str(), L"tgr", 0, newFile) == 0) return false;
    if (WriteNewFile(newFile, bytes) &&
        MoveFileExW(newFile, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(newFile);
    return false;
}
