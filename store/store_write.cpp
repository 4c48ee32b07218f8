#include "store/store_write.h"

#include "store/failed_write.h"
#include "store/held_back_files.h"
#include "store/write_record.h"

StoreWrite::StoreWrite(const char* fileName, Kind kind)
    : fileName_(fileName), kind_(kind), allowed_(kind == Kind::kConversion || MayWriteStoreFile(fileName))
{
}

// Still under the lock: the record matches the file as this write leaves it, also after a failure.
StoreWrite::~StoreWrite()
{
    if (wrote_) RecordWritten(fileName_);
}

bool StoreWrite::Wrote(bool ok)
{
    const DWORD error = GetLastError();
    if (!allowed_) return false;
    if (ok) {
        wrote_ = true;
        return true;
    }
    if (kind_ == Kind::kUpdate) NoteFailedWrite(fileName_, error);
    allowed_ = false;
    return false;
}
