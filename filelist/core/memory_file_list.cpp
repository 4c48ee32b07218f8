#include "filelist/core/memory_file_list.h"

#include <cstring>
#include <utility>

int MemoryFileList::RowCount() const
{
    return static_cast<int>(rows_.size());
}

int MemoryFileList::InsertRow(int index, std::uint32_t key)
{
    if (index < 0) {
        return -1;
    }
    Row row;
    row.key = key;
    std::size_t at = index < RowCount() ? static_cast<std::size_t>(index) : rows_.size();
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), row);
    return static_cast<int>(at);
}

void MemoryFileList::SetText(int row, int column, const char* text)
{
    if (!HasRow(row) || column < 0 || column >= kColumnCount) {
        return;
    }
    rows_[static_cast<std::size_t>(row)].texts[column] = text != nullptr ? text : "";
}

void MemoryFileList::GetText(int row, int column, char* buffer, std::size_t size) const
{
    if (buffer == nullptr || size == 0) {
        return;
    }
    buffer[0] = '\0';
    if (!HasRow(row) || column < 0 || column >= kColumnCount) {
        return;
    }
    const std::string& text = rows_[static_cast<std::size_t>(row)].texts[column];
    std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void MemoryFileList::SetKey(int row, std::uint32_t key)
{
    if (HasRow(row)) {
        rows_[static_cast<std::size_t>(row)].key = key;
    }
}

std::uint32_t MemoryFileList::GetKey(int row) const
{
    return HasRow(row) ? rows_[static_cast<std::size_t>(row)].key : 0;
}

int MemoryFileList::FindKey(int start, std::uint32_t key) const
{
    int first = start < 0 ? 0 : start + 1;
    for (int row = first; row < RowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].key == key) {
            return row;
        }
    }
    return -1;
}

int MemoryFileList::GetStateImage(int row) const
{
    return HasRow(row) ? rows_[static_cast<std::size_t>(row)].stateImage : 0;
}

void MemoryFileList::SetStateImage(int row, int index)
{
    if (HasRow(row)) {
        rows_[static_cast<std::size_t>(row)].stateImage = index & kStateImageBits;
    }
}

void MemoryFileList::SetStateImageOfAll(int index)
{
    for (Row& row : rows_) {
        row.stateImage = index & kStateImageBits;
    }
}

void MemoryFileList::DeleteAll()
{
    rows_.clear();
}

int MemoryFileList::GetResultCode(int row) const
{
    return HasRow(row) ? rows_[static_cast<std::size_t>(row)].result : 0;
}

void MemoryFileList::SetResultCode(int row, int code)
{
    if (HasRow(row)) rows_[static_cast<std::size_t>(row)].result = code & kStateImageBits;
}

void MemoryFileList::ReorderRows(const std::vector<int>& order)
{
    if (!IsRowOrder(order, RowCount())) {
        return;
    }
    std::vector<Row> reordered;
    reordered.reserve(rows_.size());
    for (int from : order) {
        reordered.push_back(std::move(rows_[static_cast<std::size_t>(from)]));
    }
    rows_ = std::move(reordered);
}
