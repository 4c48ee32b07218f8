#include "store/store_lock.h"

#include <cstdint>
#include <cstdio>

#include "store/file_names.h"
#include "store/store_path.h"

// Named after the record's full path (ASCII letters folded, as the file system folds them): the folder the
// store files share, whatever its name.
StoreLock::StoreLock()
{
    const std::wstring fullPath = StoreFilePath(kWriteRecordFile);
    if (fullPath.empty()) return;
    std::uint32_t hash = 2166136261u;
    for (wchar_t unit : fullPath) {
        const wchar_t folded = (unit >= L'a' && unit <= L'z') ? static_cast<wchar_t>(unit - 0x20) : unit;
        hash = (hash ^ (folded & 0xFF)) * 16777619u;
        hash = (hash ^ (folded >> 8)) * 16777619u;
    }
    char name[64] = {};
    std::snprintf(name, sizeof name, "Local\\TagrinStore-%08lx", static_cast<unsigned long>(hash));
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name);
    if (!mutex) return;
    const DWORD waited = WaitForSingleObject(mutex, 10000);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return;
    }
    mutex_ = mutex;
}

StoreLock::~StoreLock()
{
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}
