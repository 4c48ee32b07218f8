#include "store/failed_write.h"
#include "names/core/path_parts.h"


#include <cstdio>

namespace {

struct FailedWrite {
    bool noted = false;
    bool told = false;
    std::string message;
};

FailedWrite& FirstFailure()
{
    static FailedWrite first;
    return first;
}

std::string Why(const char* fileName, DWORD error)
{
    const DWORD attributes = GetFileAttributesA(fileName);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return "同じ名前のフォルダがあります。";
    }
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return "書き込みが許可されていません（読み取り専用のファイルか、保護されたフォルダです）。";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "ほかのプログラムが使用中です。";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "ディスクがいっぱいです。";
    default: {
        char text[64] = {};
        std::snprintf(text, sizeof text, "エラーが起きました（コード %lu）。", static_cast<unsigned long>(error));
        return text;
    }
    }
}

}  // namespace

void NoteFailedWrite(const char* fileName, DWORD error)
{
    FailedWrite& first = FirstFailure();
    if (first.noted) return;
    first.noted = true;
    first.message = std::string("「") + FindFileNamePart(fileName) + "」に書き込めませんでした。" +
                    Why(fileName, error) + "\r\n\r\n書き込めなかったタグや設定は保存されていません。" +
                    "Tagrin.exe を書き込みのできるフォルダに置くか、ファイルを使っているプログラムを閉じてください。";
}

std::string TakeFailedWriteMessage()
{
    FailedWrite& first = FirstFailure();
    if (!first.noted || first.told) return std::string();
    first.told = true;
    return first.message;
}
