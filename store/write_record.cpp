#include "store/write_record.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/file_names.h"
#include "store/whole_file.h"
#include "names/core/path_parts.h"

namespace {

// The record: this line, then one line a file, "<size> <last-write time> <name>\r\n" with 16 upper-case hex
// digits for each number.
constexpr char kHeader[] = "Tagrin write record 1\r\n";
constexpr std::size_t kHeaderLength = sizeof kHeader - 1;
constexpr std::size_t kNameOffset = 34;
// Far more than two entries take: a larger file is none that Tagrin wrote.
constexpr std::size_t kLargestRecord = 4096;

struct Entry {
    std::string name;
    unsigned long long size = 0;
    unsigned long long time = 0;
};

// The file as it stands now; false when there is no file by that name.
bool StampOf(const char* fileName, Entry& entry)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(fileName, GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    entry.name = FindFileNamePart(fileName);
    entry.size = static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    entry.time =
        static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
    return true;
}

bool ReadHex(const std::string& text, std::size_t at, unsigned long long& value)
{
    value = 0;
    for (std::size_t i = at; i < at + 16; ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return false;
        value = value << 4 | static_cast<unsigned>(digit);
    }
    return true;
}

std::string Hex(unsigned long long value)
{
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4) text[i] = "0123456789ABCDEF"[value & 0xF];
    return text;
}

bool Holds(const std::vector<Entry>& entries, const std::string& name)
{
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.name == name; });
}

// The record's entries, each name once; none when it is missing or not exactly of the form written.
std::vector<Entry> ReadRecord()
{
    Entry record;
    std::string bytes;
    if (!StampOf(kWriteRecordFile, record) || record.size > kLargestRecord || !ReadWholeFile(kWriteRecordFile, bytes) ||
        bytes.compare(0, kHeaderLength, kHeader) != 0) {
        return {};
    }
    std::vector<Entry> entries;
    for (std::size_t at = kHeaderLength; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        Entry entry;
        if (end == std::string::npos || end <= at + kNameOffset || !ReadHex(bytes, at, entry.size) ||
            bytes[at + 16] != ' ' || !ReadHex(bytes, at + 17, entry.time) || bytes[at + 33] != ' ') {
            return {};
        }
        entry.name = bytes.substr(at + kNameOffset, end - at - kNameOffset);
        if (entry.name.find_first_of("\r\n") != std::string::npos || Holds(entries, entry.name)) return {};
        entries.push_back(entry);
        at = end + 2;
    }
    return entries;
}

}  // namespace

bool IsAsLastWritten(const char* fileName)
{
    Entry now;
    if (!StampOf(fileName, now)) return false;
    const std::vector<Entry> entries = ReadRecord();
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) {
        return entry.name == now.name && entry.size == now.size && entry.time == now.time;
    });
}

void RecordWritten(const char* fileName)
{
    Entry now;
    if (!StampOf(fileName, now)) return;
    std::vector<Entry> entries = ReadRecord();
    entries.erase(
        std::remove_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.name == now.name; }),
        entries.end());
    entries.push_back(now);
    std::string text = kHeader;
    for (const Entry& entry : entries) text += Hex(entry.size) + ' ' + Hex(entry.time) + ' ' + entry.name + "\r\n";
    ReplaceWholeFile(kWriteRecordFile, text);
}

bool StampOfFile(const char* fileName, FileStamp* stamp)
{
    Entry now;
    if (!StampOf(fileName, now)) return false;
    stamp->size = now.size;
    stamp->time = now.time;
    return true;
}
