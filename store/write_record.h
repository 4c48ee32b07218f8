#pragma once

// ".\書き込み記録.dat": the size and last-write time each store file had right after Tagrin last wrote it.
// A store file that still stands so is Tagrin's own and reads as Shift-JIS whatever its bytes; any other is
// examined (store_encoding.h). Only Tagrin writes the record, and it reads it strictly: anything but the form
// it writes counts as no record. Both calls are made under the store lock; the store files and the record
// share the program folder, so a store file is known by its name alone.

// Whether fileName stands as Tagrin last left it.
bool IsAsLastWritten(const char* fileName);

// Notes fileName as it stands now as what Tagrin left there. A record that cannot be written leaves the file
// to be examined at the next start, as if the record were not there.
void RecordWritten(const char* fileName);

// How a file stands: its size and last-write time. False when there is no file of that name.
struct FileStamp {
    unsigned long long size = 0;
    unsigned long long time = 0;
    bool operator==(const FileStamp& other) const { return size == other.size && time == other.time; }
};
bool StampOfFile(const char* fileName, FileStamp* stamp);
