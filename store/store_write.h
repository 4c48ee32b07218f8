#pragma once
#include <windows.h>

#include "store/store_lock.h"

// The one way Tagrin writes a settings or history file, in this order: the store lock is taken; the write goes
// ahead only to a file that may be written (not held back, and as Tagrin left it or read as Shift-JIS: one
// saved again in another encoding meanwhile would end up holding two); the writes are made; the file is
// recorded as Tagrin leaves it (write_record.h), still under the lock. The first failed write of the run is
// noted for the user (failed_write.h), and nothing more is written through a write that failed.
class StoreWrite {
public:
    enum class Kind {
        kUpdate,      // settings and history: the rules above
        kConversion,  // start-up's rewrite in Shift-JIS of a file in another encoding: its failure holds it back
    };
    explicit StoreWrite(const char* fileName, Kind kind = Kind::kUpdate);
    ~StoreWrite();
    StoreWrite(const StoreWrite&) = delete;
    StoreWrite& operator=(const StoreWrite&) = delete;

    // Whether a write may go to the file now.
    bool MayWrite() const { return allowed_; }
    // The outcome of one write made to the file, taken right after it (the error of a failure is the call's
    // own); returns ok.
    bool Wrote(bool ok);

private:
    StoreLock lock_;
    const char* fileName_;
    Kind kind_;
    bool allowed_;
    bool wrote_ = false;
};
