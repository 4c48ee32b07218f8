#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class LocationIndex;

// A row's exclusion check is its state image: every new row is processed; any other index is excluded.
constexpr int kStateProcessed = 1;
constexpr int kStateExcluded = 2;

// The list-view operations through which all list logic goes, so the model runs without a window.
// Two implementations: ListViewOps (the real list view, IDC_FILE_LIST) and MemoryFileList (an in-memory table).
// Columns: 0 exclusion (text always empty), 1 file name, 2 location, 3 result.
class FileListOps {
public:
    virtual ~FileListOps() = default;

    virtual int RowCount() const = 0;
    // Inserts a row at index (at the end when index is RowCount() or more) with empty texts, state image 1.
    // Gives the row the new one has, or -1 when none was inserted.
    virtual int InsertRow(int index, std::uint32_t key) = 0;
    virtual void SetText(int row, int column, const char* text) = 0;
    // Copies the cell's text into buffer (size bytes), cut at size - 1 bytes; always NUL-terminated.
    virtual void GetText(int row, int column, char* buffer, std::size_t size) const = 0;
    virtual void SetKey(int row, std::uint32_t key) = 0;
    virtual std::uint32_t GetKey(int row) const = 0;
    // First row after start (from row 0 when start is -1) whose key equals key, or -1. Never wraps.
    virtual int FindKey(int start, std::uint32_t key) const = 0;
    // The row's state image index (1 = processed, anything else = excluded).
    virtual int GetStateImage(int row) const = 0;
    virtual void SetStateImage(int row, int index) = 0;
    virtual void SetStateImageOfAll(int index) = 0;
    // The row's result (a RowResult) kept with the row, 0 to 15; a sort moves it with the row.
    virtual int GetResultCode(int row) const = 0;
    virtual void SetResultCode(int row, int code) = 0;
    virtual void DeleteAll() = 0;
    // Puts the rows in order: row i becomes what was row order[i], with its texts, key and state.
    // Changes nothing unless order holds every row index once (IsRowOrder).
    virtual void ReorderRows(const std::vector<int>& order) = 0;
    // The derived index of listed locations, kept in step by the model's row writers.
    virtual LocationIndex& Locations() = 0;
};

// True when order holds every row index from 0 to count - 1 exactly once.
inline bool IsRowOrder(const std::vector<int>& order, int count)
{
    if (count < 0 || order.size() != static_cast<std::size_t>(count)) {
        return false;
    }
    std::vector<bool> seen(order.size(), false);
    for (int row : order) {
        if (row < 0 || row >= count || seen[static_cast<std::size_t>(row)]) {
            return false;
        }
        seen[static_cast<std::size_t>(row)] = true;
    }
    return true;
}
