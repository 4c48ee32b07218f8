#pragma once
#include <windows.h>

// Taken by every instance that decides how a store file reads, writes one, or updates the write record:
// one named mutex for the program folder, so a read-then-write of one instance never interleaves with
// another's (a tag written twice, two lines torn into each other, a record that lags its file).
// Waits a bounded time: a stuck instance never blocks a start or a close, which then go on unlocked.
class StoreLock {
public:
    StoreLock();
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    HANDLE mutex_ = nullptr;
};
