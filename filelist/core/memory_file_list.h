#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/file_list_ops.h"
#include "filelist/core/location_index.h"

// FileListOps over an in-memory table that behaves as the report list view does: rows inserted past
// the end go to the end, texts are cut when read back, a key search skips its start row and never
// wraps, and operations on rows that do not exist change nothing.
class MemoryFileList : public FileListOps {
public:
    int RowCount() const override;
    int InsertRow(int index, std::uint32_t key) override;
    void SetText(int row, int column, const char* text) override;
    void GetText(int row, int column, char* buffer, std::size_t size) const override;
    void SetKey(int row, std::uint32_t key) override;
    std::uint32_t GetKey(int row) const override;
    int FindKey(int start, std::uint32_t key) const override;
    int GetStateImage(int row) const override;
    void SetStateImage(int row, int index) override;
    void SetStateImageOfAll(int index) override;
    int GetResultCode(int row) const override;
    void SetResultCode(int row, int code) override;
    void DeleteAll() override;
    void ReorderRows(const std::vector<int>& order) override;
    LocationIndex& Locations() override { return locations_; }

private:
    static constexpr int kColumnCount = 4;
    // The list view keeps a state image index in four bits of the item state.
    static constexpr int kStateImageBits = 0xF;
    struct Row {
        std::string texts[kColumnCount];
        std::uint32_t key = 0;
        int stateImage = kStateProcessed;
        int result = 0;
    };
    bool HasRow(int row) const { return row >= 0 && row < RowCount(); }

    std::vector<Row> rows_;
    LocationIndex locations_;
};
