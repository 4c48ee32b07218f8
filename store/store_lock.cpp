#include "store/store_lock.h"

#include <cstdint>
#include <cstdio>

#include "store/file_names.h"
#include "tags/core/text_buffer.h"

// Named after the record's full path (ASCII letters folded, as the file system folds them): the folder the
// store files share.
StoreLock::StoreLock()
{
    TextBuffer fullPath = {};
    if (GetFullPathNameA(kWriteRecordFile, sizeof fullPath, fullPath, nullptr) == 0) return;
    std::uint32_t hash = 2166136261u;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(fullPath); *p; ++p) {
        const unsigned char folded = (*p >= 'a' && *p <= 'z') ? static_cast<unsigned char>(*p - 0x20) : *p;
        hash = (hash ^ folded) * 16777619u;
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
