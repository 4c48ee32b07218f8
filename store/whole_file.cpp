#include "store/whole_file.h"

#include <windows.h>

#include "tags/core/text_buffer.h"

namespace {

bool WriteNewFile(const char* fileName, const std::string& bytes)
{
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    // The new file goes into the old one's folder: a move within one volume is a rename.
    TextBuffer folder = {};
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(fileName, sizeof folder, folder, &namePart);
    if (length == 0 || length >= sizeof folder || !namePart) return false;
    *namePart = '\0';
    TextBuffer newFile = {};
    if (GetTempFileNameA(folder, "tgr", 0, newFile) == 0) return false;
    if (WriteNewFile(newFile, bytes) &&
        MoveFileExA(newFile, fileName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileA(newFile);
    return false;
}
