#include "filelist/core/file_list_model.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "filelist/core/location_index.h"
#include "filelist/core/name_key.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"

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

// The order of two rows by the texts of the sorted column: plain unsigned byte order, the shorter text
// first when one is the start of the other, negated when descending.
int CompareRowsByColumn(const std::string& left, const std::string& right, bool descending)
{
    std::size_t common = std::min(left.size(), right.size());
    int result = std::memcmp(left.data(), right.data(), common);
    if (result == 0 && left.size() != right.size()) {
        result = left.size() < right.size() ? -1 : 1;
    }
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return descending ? -result : result;
}

}  // namespace

bool IsPathListed(FileListOps& list, const char* path)
{
    if (path == nullptr) {
        return false;
    }
    return list.Locations().Contains(KeyOfLocation(path), path);
}

namespace {

// Asked for a row past the end, the list appends one and says where: the count is not read first.
constexpr int kPastTheEnd = INT_MAX;

void AppendRow(FileListOps& list, const char* location, const char* name, std::uint32_t key)
{
    const int row = list.InsertRow(kPastTheEnd, key);
    if (row < 0) {
        return;
    }
    list.SetText(row, kColumnName, name);
    list.SetText(row, kColumnLocation, location);
    IndexStoredLocation(list, row, key, location);
}

}  // namespace

void AppendFileRow(FileListOps& list, const char* location)
{
    if (location == nullptr) {
        return;
    }
    const char* name = FindFileNamePart(location);
    AppendRow(list, location, name, NameKey(name));
}

bool AppendFileRowIfNew(FileListOps& list, const char* location)
{
    if (location == nullptr) {
        return false;
    }
    // The name and its key are found once for the test and the row: an intake asks for every file it finds.
    const char* name = FindFileNamePart(location);
    const std::uint32_t key = NameKey(name);
    if (list.Locations().Contains(key, location)) {
        return false;
    }
    AppendRow(list, location, name, key);
    return true;
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
    SetRowResult(list, row, RowResult::kRenamed);
    IndexStoredLocation(list, row, key, newLocation);
}

void SetRowResult(FileListOps& list, int row, RowResult result)
{
    list.SetResultCode(row, static_cast<int>(result));
    list.SetText(row, kColumnResult,
                 result == RowResult::kRenamed ? kResultDone
                 : IsFailure(result)           ? kResultFailed
                                               : "");
}

RowResult GetRowResult(const FileListOps& list, int row)
{
    const int code = list.GetResultCode(row);
    return code >= 0 && code < kRowResultCount ? static_cast<RowResult>(code) : RowResult::kUntouched;
}

bool IsRowProcessed(const FileListOps& list, int row)
{
    return list.GetStateImage(row) == kStateProcessed;
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
    // Only the sorted column is read; the list moves whole rows itself. Column 0 has no text.
    int count = list.RowCount();
    std::vector<std::string> texts(static_cast<std::size_t>(count));
    if (column != kColumnExclusion) {
        char text[kTextBufferSize];
        for (int row = 0; row < count; ++row) {
            list.GetText(row, column, text, sizeof text);
            texts[static_cast<std::size_t>(row)] = text;
        }
    }
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return CompareRowsByColumn(texts[static_cast<std::size_t>(a)], texts[static_cast<std::size_t>(b)], descending) <
               0;
    });
    // The set of rows, and so the location index, does not change.
    list.ReorderRows(order);
}
