// The in-memory table must behave as the real list view does: the same cases run over both.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "filelist/list_view_ops.h"
#include "filelist/core/memory_file_list.h"
#include "list_window.h"

namespace {

struct MemoryRows {
    MemoryFileList list;
    FileListOps& Ops() { return list; }
};

struct ListViewRows {
    ListWindow window;
    ListViewOps list{window.List()};
    FileListOps& Ops() { return list; }
};

template <typename Rows>
class FileListOpsTest : public ::testing::Test {
protected:
    std::string Text(int row, int column, std::size_t size = 1024)
    {
        std::string buffer(size, '\x7F');
        rows.Ops().GetText(row, column, &buffer[0], size);
        return buffer.substr(0, buffer.find('\0'));
    }
    Rows rows;
};

using Implementations = ::testing::Types<MemoryRows, ListViewRows>;
TYPED_TEST_SUITE(FileListOpsTest, Implementations);

TYPED_TEST(FileListOpsTest, NewRowHasEmptyTextsStateOneAndItsKey)
{
    FileListOps& list = this->rows.Ops();
    list.InsertRow(0, 367);
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.GetKey(0), 367u);
    EXPECT_EQ(list.GetStateImage(0), 1);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(this->Text(0, column), "") << column;
    }
}

TYPED_TEST(FileListOpsTest, InsertPlacesRowsAtIndexOrAtTheEnd)
{
    FileListOps& list = this->rows.Ops();
    EXPECT_EQ(list.InsertRow(0, 10), 0);
    EXPECT_EQ(list.InsertRow(1, 30), 1);
    EXPECT_EQ(list.InsertRow(1, 20), 1);        // between
    EXPECT_EQ(list.InsertRow(INT_MAX, 40), 3);  // past the end: appended where it lands
    EXPECT_EQ(list.InsertRow(-1, 50), -1);      // before the start: none
    ASSERT_EQ(list.RowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(list.GetKey(row), static_cast<std::uint32_t>(10 * (row + 1)));
    }
}

TYPED_TEST(FileListOpsTest, TextIsCutAtSizeMinusOneAndAlwaysEnded)
{
    FileListOps& list = this->rows.Ops();
    list.InsertRow(0, 0);
    std::string longText(1500, 'x');
    longText[0] = '\x95';  // 表, whose second byte is '\'
    longText[1] = '\x5C';
    list.SetText(0, 2, longText.c_str());
    EXPECT_EQ(this->Text(0, 2), longText.substr(0, 1023));
    EXPECT_EQ(this->Text(0, 2, 5), longText.substr(0, 4));
    EXPECT_EQ(this->Text(0, 2, 1), "");
    list.SetText(0, 2, "short");
    EXPECT_EQ(this->Text(0, 2), "short");
}

TYPED_TEST(FileListOpsTest, FindKeySkipsStartRowAndNeverWraps)
{
    FileListOps& list = this->rows.Ops();
    const std::uint32_t keys[] = {5, 7, 5, 9, 5};
    for (int row = 0; row < 5; ++row) {
        list.InsertRow(row, keys[row]);
    }
    struct Case {
        int start;
        std::uint32_t key;
        int expected;
    };
    const Case cases[] = {
        {-1, 5, 0}, {0, 5, 2}, {2, 5, 4}, {4, 5, -1}, {-1, 9, 3}, {3, 9, -1}, {4, 7, -1}, {-1, 8, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.FindKey(c.start, c.key), c.expected) << "start " << c.start << " key " << c.key;
    }
}

TYPED_TEST(FileListOpsTest, KeysAndStatesChangePerRowOrForAll)
{
    FileListOps& list = this->rows.Ops();
    for (int row = 0; row < 3; ++row) {
        list.InsertRow(row, 0);
    }
    list.SetKey(1, 0xFFFFFFFFu);
    EXPECT_EQ(list.GetKey(1), 0xFFFFFFFFu);
    EXPECT_EQ(list.FindKey(-1, 0xFFFFFFFFu), 1);
    list.SetStateImage(2, 2);
    EXPECT_EQ(list.GetStateImage(0), 1);
    EXPECT_EQ(list.GetStateImage(2), 2);
    list.SetStateImageOfAll(2);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.GetStateImage(row), 2);
    }
    list.SetStateImageOfAll(1);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.GetStateImage(row), 1);
    }
}

TYPED_TEST(FileListOpsTest, RowsThatDoNotExistChangeNothing)
{
    FileListOps& list = this->rows.Ops();
    list.InsertRow(0, 1);
    list.SetText(0, 1, "kept");
    list.SetText(5, 1, "lost");
    list.SetKey(5, 9);
    list.SetStateImage(5, 2);
    list.InsertRow(-1, 3);
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(this->Text(0, 1), "kept");
    EXPECT_EQ(this->Text(5, 1), "");
    EXPECT_EQ(list.GetKey(0), 1u);
    EXPECT_EQ(list.GetStateImage(0), 1);
    EXPECT_EQ(list.FindKey(-1, 9), -1);
}

TYPED_TEST(FileListOpsTest, DeleteAllEmptiesTheList)
{
    FileListOps& list = this->rows.Ops();
    list.InsertRow(0, 1);
    list.InsertRow(1, 2);
    list.DeleteAll();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.FindKey(-1, 1), -1);
    list.InsertRow(0, 4);
    EXPECT_EQ(list.GetKey(0), 4u);
}

// Rows move whole: texts of every column, key and state go to the new place; an order that is not
// one place per row changes nothing.
TYPED_TEST(FileListOpsTest, ReorderMovesWholeRowsOrNothing)
{
    FileListOps& list = this->rows.Ops();
    const char* names[] = {"a.txt", "\x95\x5C.txt", "c.txt"};  // 表 carries a backslash as its second byte
    for (int row = 0; row < 3; ++row) {
        list.InsertRow(row, static_cast<std::uint32_t>(100 + row));
        list.SetText(row, 1, names[row]);
        list.SetText(row, 2, (std::string("d\\") + names[row]).c_str());
        list.SetText(row, 3, row == 1 ? "\x8A\xAE" : "");  // 完
    }
    list.SetStateImage(1, 2);
    list.SetResultCode(2, 7);  // the row's result travels with it, as its state does
    const std::vector<std::vector<int>> refused = {{0, 1}, {0, 1, 1}, {0, 1, 3}, {-1, 1, 2}, {0, 1, 2, 3}};
    for (const std::vector<int>& order : refused) {
        list.ReorderRows(order);
        EXPECT_EQ(this->Text(0, 1), "a.txt") << order.size();
        EXPECT_EQ(list.GetKey(2), 102u) << order.size();
    }
    list.ReorderRows({1, 2, 0});
    const int from[] = {1, 2, 0};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(this->Text(row, 1), names[from[row]]) << row;
        EXPECT_EQ(this->Text(row, 2), std::string("d\\") + names[from[row]]) << row;
        EXPECT_EQ(this->Text(row, 3), from[row] == 1 ? "\x8A\xAE" : "") << row;
        EXPECT_EQ(list.GetKey(row), static_cast<std::uint32_t>(100 + from[row])) << row;
        EXPECT_EQ(list.GetStateImage(row), from[row] == 1 ? 2 : 1) << row;
        EXPECT_EQ(list.GetResultCode(row), from[row] == 2 ? 7 : 0) << row;
    }
    EXPECT_EQ(list.FindKey(-1, 101), 0);
}

}  // namespace
