#include "filelist/file_list_model.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "filelist/location_index.h"
#include "filelist/name_key.h"
#include "tags/dbcs_text.h"
#include "tags/text_buffer.h"

// Written as escapes: this file is also built natively, where literals are not converted to Shift-JIS.
const char kResultDone[] = "\x8A\xAE";            // 完
const char kResultFailed[] = "\x8E\xB8\x94\x73";  // 失敗

namespace {

std::uint32_t KeyOfLocation(const char* location)
{
    return NameKey(FindFileNamePart(location));
}

// The index holds the location as the list gives it back, which is what the duplicate test compares:
// the control keeps texts in UTF-16, so bytes that are no Shift-JIS may not come back. ASCII always
// does, and the index cuts long texts itself, so only a location with other bytes is read back.
void IndexStoredLocation(FileListOps& list, int row, std::uint32_t key, const char* location)
{
    bool ascii = true;
    for (const char* p = location; *p != '\0' && ascii; ++p) {
        ascii = static_cast<unsigned char>(*p) < 0x80;
    }
    if (ascii) {
        list.Locations().Add(key, location);
        return;
    }
    char stored[kTextBufferSize];
    list.GetText(row, kColumnLocation, stored, sizeof stored);
    list.Locations().Add(key, stored);
}

bool HasRow(const FileListOps& list, int row)
{
    return row >= 0 && row < list.RowCount();
}

// A row as the sort reads it: everything it writes back.
struct RowSnapshot {
    std::string texts[3];  // columns 1-3
    std::uint32_t key = 0;
    int stateImage = 0;
};

const std::string& TextOfColumn(const RowSnapshot& row, int column)
{
    static const std::string kEmpty;
    return column >= kColumnName ? row.texts[column - kColumnName] : kEmpty;
}

// Plain unsigned byte order, the shorter text first when one is the start of the other.
int CompareRowsByColumn(const RowSnapshot& a, const RowSnapshot& b, int column, bool descending)
{
    const std::string& left = TextOfColumn(a, column);
    const std::string& right = TextOfColumn(b, column);
    std::size_t common = std::min(left.size(), right.size());
    int result = std::memcmp(left.data(), right.data(), common);
    if (result == 0 && left.size() != right.size()) {
        result = left.size() < right.size() ? -1 : 1;
    }
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return descending ? -result : result;
}

RowSnapshot ReadRow(const FileListOps& list, int row)
{
    RowSnapshot snapshot;
    char text[kTextBufferSize];
    for (int column = kColumnName; column <= kColumnResult; ++column) {
        list.GetText(row, column, text, sizeof text);
        snapshot.texts[column - kColumnName] = text;
    }
    snapshot.key = list.GetKey(row);
    snapshot.stateImage = list.GetStateImage(row);
    return snapshot;
}

void WriteRow(FileListOps& list, int row, const RowSnapshot& snapshot)
{
    list.SetKey(row, snapshot.key);
    for (int column = kColumnName; column <= kColumnResult; ++column) {
        list.SetText(row, column, snapshot.texts[column - kColumnName].c_str());
    }
    list.SetStateImage(row, snapshot.stateImage);
}

}  // namespace

bool IsPathListed(FileListOps& list, const char* path)
{
    if (path == nullptr) {
        return false;
    }
    return list.Locations().Contains(KeyOfLocation(path), path);
}

void AppendFileRow(FileListOps& list, const char* location)
{
    if (location == nullptr) {
        return;
    }
    int row = list.RowCount();
    std::uint32_t key = KeyOfLocation(location);
    list.InsertRow(row, key);
    if (list.RowCount() != row + 1) {
        return;
    }
    list.SetText(row, kColumnName, FindFileNamePart(location));
    list.SetText(row, kColumnLocation, location);
    IndexStoredLocation(list, row, key, location);
}

void UpdateRenamedRow(FileListOps& list, int row, const char* newLocation)
{
    if (newLocation == nullptr || !HasRow(list, row)) {
        return;
    }
    char oldLocation[kTextBufferSize];
    list.GetText(row, kColumnLocation, oldLocation, sizeof oldLocation);
    list.Locations().Remove(list.GetKey(row), oldLocation);

    std::uint32_t key = KeyOfLocation(newLocation);
    list.SetKey(row, key);
    list.SetText(row, kColumnName, FindFileNamePart(newLocation));
    list.SetText(row, kColumnLocation, newLocation);
    list.SetText(row, kColumnResult, kResultDone);
    IndexStoredLocation(list, row, key, newLocation);
}

void SetResultMark(FileListOps& list, int row, const char* mark)
{
    list.SetText(row, kColumnResult, mark != nullptr ? mark : "");
}

bool IsRowProcessed(const FileListOps& list, int row)
{
    return list.GetStateImage(row) == 1;
}

void RemoveAllRows(FileListOps& list)
{
    list.DeleteAll();
    list.Locations().Clear();
}

void SortRowsByColumn(FileListOps& list, int column, bool descending)
{
    if (column < kColumnExclusion || column > kColumnResult) {
        return;
    }
    int count = list.RowCount();
    std::vector<RowSnapshot> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        rows.push_back(ReadRow(list, row));
    }
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareRowsByColumn(rows[static_cast<std::size_t>(a)], rows[static_cast<std::size_t>(b)], column,
                                   descending) < 0;
    });
    // Rows already in their place are left alone; the set of rows, and so the index, does not change.
    for (int row = 0; row < count; ++row) {
        int from = order[static_cast<std::size_t>(row)];
        if (from != row) {
            WriteRow(list, row, rows[static_cast<std::size_t>(from)]);
        }
    }
}
