#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/core/location_index.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/core/name_key.h"
#include "support/list_texts.h"
#include "support/location_oracle.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"

namespace {

// The duplicate test the slow way: every row with the path's key, its location read back and compared.
bool ListedByScan(const FileListOps& list, const char* path)
{
    std::uint32_t key = NameKey(FindFileNamePart(path));
    for (int row = list.FindKey(-1, key); row != -1; row = list.FindKey(row, key)) {
        if (LocationsEqual(CellText(list, row, kColumnLocation).c_str(), path)) {
            return true;
        }
    }
    return false;
}

TEST(AppendFileRow, FillsNameLocationKeyAndLeavesRowProcessed)
{
    MemoryFileList list;
    AppendFileRow(list, "C:\\docs\\\x95\x5C.txt");  // 表.txt: the '\' inside 表 is no separator
    ASSERT_EQ(list.RowCount(), 1);
    EXPECT_EQ(CellText(list, 0, kColumnName), "\x95\x5C.txt");
    EXPECT_EQ(CellText(list, 0, kColumnLocation), "C:\\docs\\\x95\x5C.txt");
    EXPECT_EQ(CellText(list, 0, kColumnResult), "");
    EXPECT_EQ(CellText(list, 0, kColumnExclusion), "");
    EXPECT_EQ(list.GetKey(0), NameKey("\x95\x5C.txt"));
    EXPECT_TRUE(IsRowProcessed(list, 0));
}

TEST(IsPathListed, ComparesLocationsFoldingOnlySingleByteLetters)
{
    MemoryFileList list;
    AppendFileRow(list, "C:\\Docs\\Readme.TXT");
    AppendFileRow(list, "C:\\x\\\x83\x4F.txt");  // グ: its second byte looks like 'O'
    struct Case {
        const char* path;
        bool listed;
    };
    const Case cases[] = {
        {"C:\\Docs\\Readme.TXT", true},
        {"c:\\DOCS\\readme.txt", true},
        {"C:\\Docs\\Readme.TX", false},
        {"C:\\Docs\\Readme.TXT ", false},
        {"C:\\Docs\\.\\Readme.TXT", false},
        {"D:\\Docs\\Readme.TXT", false},
        {"C:\\x\\\x83\x4F.txt", true},
        {"C:\\X\\\x83\x4F.TXT", true},
        {"C:\\x\\\x83\x6F.txt", false},  // ビ, not グ in another case
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPathListed(list, c.path), c.listed) << c.path;
        // The intake's append-if-new decides the same, and adds exactly the row not listed.
        MemoryFileList appended = list;
        EXPECT_EQ(AppendFileRowIfNew(appended, c.path), !c.listed) << c.path;
        EXPECT_EQ(appended.RowCount(), list.RowCount() + (c.listed ? 0 : 1)) << c.path;
    }
    EXPECT_FALSE(IsPathListed(list, nullptr));
}

TEST(IsPathListed, TellsApartRowsThatShareAKeyWherEverTheyStand)
{
    MemoryFileList list;
    // The same name in three folders, and names whose byte sums collide, spread through the list.
    const char* locations[] = {"A\\a.txt", "B\\ab", "B\\a.txt", "C\\ba", "C\\a.txt", "D\\b.txt"};
    for (const char* location : locations) {
        AppendFileRow(list, location);
    }
    ASSERT_EQ(list.GetKey(1), list.GetKey(3));
    for (const char* location : locations) {
        EXPECT_TRUE(IsPathListed(list, location)) << location;
    }
    EXPECT_FALSE(IsPathListed(list, "D\\a.txt"));
    EXPECT_FALSE(IsPathListed(list, "A\\ba"));
}

TEST(UpdateRenamedRow, MovesTheRowToItsNewLocationAndMarksIt)
{
    MemoryFileList list;
    AppendFileRow(list, "C:\\a\\report.txt");
    AppendFileRow(list, "C:\\a\\other.txt");
    list.SetStateImage(0, 2);
    UpdateRenamedRow(list, 0, "C:\\a\\[Memo]report.txt");
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(CellText(list, 0, kColumnName), "[Memo]report.txt");
    EXPECT_EQ(CellText(list, 0, kColumnLocation), "C:\\a\\[Memo]report.txt");
    EXPECT_EQ(CellText(list, 0, kColumnResult), kResultDone);
    EXPECT_EQ(list.GetKey(0), NameKey("[Memo]report.txt"));
    EXPECT_EQ(list.GetStateImage(0), 2);
    EXPECT_TRUE(IsPathListed(list, "c:\\A\\[memo]REPORT.txt"));
    EXPECT_FALSE(IsPathListed(list, "C:\\a\\report.txt"));
    EXPECT_TRUE(IsPathListed(list, "C:\\a\\other.txt"));
    UpdateRenamedRow(list, 7, "C:\\nowhere.txt");
    EXPECT_FALSE(IsPathListed(list, "C:\\nowhere.txt"));
    EXPECT_TRUE(IndexCountsEachRowOnce(list));
}

TEST(UpdateRenamedRow, KeepsAnotherRowWithTheSameLocationListed)
{
    MemoryFileList list;
    AppendFileRow(list, "x\\a.txt");
    list.InsertRow(1, 0);
    UpdateRenamedRow(list, 1, "x\\a.txt");  // two rows now stand for one location
    UpdateRenamedRow(list, 0, "x\\b.txt");
    EXPECT_TRUE(IsPathListed(list, "x\\a.txt"));
    EXPECT_TRUE(IsPathListed(list, "x\\b.txt"));
}

TEST(ResultMarks, AreWrittenAndRowStatesRead)
{
    MemoryFileList list;
    AppendFileRow(list, "a.txt");
    // The value is the row's, the text is shown from it: every failure reads "失敗".
    SetRowResult(list, 0, RowResult::kFailedInUse);
    EXPECT_EQ(CellText(list, 0, kColumnResult), "\x8E\xB8\x94\x73");
    EXPECT_EQ(GetRowResult(list, 0), RowResult::kFailedInUse);
    SetRowResult(list, 0, RowResult::kUntouched);
    EXPECT_EQ(CellText(list, 0, kColumnResult), "");
    EXPECT_EQ(GetRowResult(list, 0), RowResult::kUntouched);
    EXPECT_STREQ(kResultDone, "\x8A\xAE");
    list.SetStateImage(0, 3);
    EXPECT_FALSE(IsRowProcessed(list, 0));
    list.SetStateImage(0, 1);
    EXPECT_TRUE(IsRowProcessed(list, 0));
}

TEST(RemoveAllRows, ForgetsEveryLocation)
{
    MemoryFileList list;
    AppendFileRow(list, "a.txt");
    AppendFileRow(list, "b.txt");
    RemoveAllRows(list);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(IsPathListed(list, "a.txt"));
    AppendFileRow(list, "a.txt");
    EXPECT_TRUE(IsPathListed(list, "A.TXT"));
}

TEST(IsPathListed, LocationsLongerThanATextBufferCompareAsReadBack)
{
    MemoryFileList list;
    std::string longPath = std::string(1100, 'd') + "\\a.txt";
    AppendFileRow(list, longPath.c_str());
    EXPECT_FALSE(IsPathListed(list, longPath.c_str()));
    EXPECT_EQ(ListedByScan(list, longPath.c_str()), false);
}

// Random appends, renames and clears over names with colliding keys: the index answers as the scan does.
TEST(IsPathListed, AgreesWithAScanOfEveryRowWithTheKey)
{
    std::mt19937 random(20240501);
    const char* folders[] = {"C:\\a", "c:\\A", "C:\\b", "C:\\\x95\x5C", "C:\\\x83\x4F", "C:\\\x83\x6F"};
    auto randomPath = [&] {
        char path[64];
        std::snprintf(path, sizeof path, "%s\\%c%c.txt", folders[random() % 6], "abAB"[random() % 4],
                      "baBA"[random() % 4]);
        return std::string(path);
    };
    MemoryFileList list;
    for (int step = 0; step < 3000; ++step) {
        std::string path = randomPath();
        int action = static_cast<int>(random() % 100);
        if (action < 60) {
            if (!IsPathListed(list, path.c_str())) {
                AppendFileRow(list, path.c_str());
            }
        } else if (action < 95 && list.RowCount() > 0) {
            UpdateRenamedRow(list, static_cast<int>(random() % static_cast<unsigned>(list.RowCount())), path.c_str());
        } else if (action == 99) {
            RemoveAllRows(list);
        }
        std::string probe = randomPath();
        ASSERT_EQ(IsPathListed(list, probe.c_str()), ListedByScan(list, probe.c_str())) << probe << " at " << step;
    }
}

struct SortRow {
    std::string name;
    std::string location;
    std::string result;
    int state;
};

MemoryFileList ListOf(const std::vector<SortRow>& rows)
{
    MemoryFileList list;
    for (const SortRow& row : rows) {
        AppendFileRow(list, row.location.c_str());
        list.SetText(list.RowCount() - 1, kColumnResult, row.result.c_str());
        list.SetStateImage(list.RowCount() - 1, row.state);
    }
    return list;
}

TEST(SortRowsByColumn, OrdersByUnsignedBytesCaseSensitiveShorterFirst)
{
    struct Case {
        int column;
        bool descending;
        std::vector<std::string> expectedNames;
    };
    const std::vector<SortRow> rows = {
        {"a.txt", "z\\a.txt", "", 1},
        {"B.txt", "y\\B.txt", "\x8E\xB8\x94\x73", 2},
        {"\x95\x5C.txt", "x\\\x95\x5C.txt", "\x8A\xAE", 1},
        {"a.tx", "w\\a.tx", "", 1},
    };
    const Case cases[] = {
        {kColumnName, false, {"B.txt", "a.tx", "a.txt", "\x95\x5C.txt"}},
        {kColumnName, true, {"\x95\x5C.txt", "a.txt", "a.tx", "B.txt"}},
        {kColumnLocation, false, {"a.tx", "\x95\x5C.txt", "B.txt", "a.txt"}},
        // Empty results first (kept in their order), then 完 (0x8A), then 失敗 (0x8E).
        {kColumnResult, false, {"a.txt", "a.tx", "\x95\x5C.txt", "B.txt"}},
        {kColumnResult, true, {"B.txt", "\x95\x5C.txt", "a.txt", "a.tx"}},
        {kColumnExclusion, true, {"a.txt", "B.txt", "\x95\x5C.txt", "a.tx"}},
    };
    for (const Case& c : cases) {
        MemoryFileList list = ListOf(rows);
        SortRowsByColumn(list, c.column, c.descending);
        EXPECT_EQ(ColumnTexts(list, kColumnName), c.expectedNames) << "column " << c.column << " desc " << c.descending;
    }
}

TEST(SortRowsByColumn, MovesKeyStateAndResultWithTheRow)
{
    MemoryFileList list = ListOf({{"b", "b", "\x8A\xAE", 2}, {"a", "a", "", 1}});
    SortRowsByColumn(list, kColumnName, false);
    EXPECT_EQ(CellText(list, 0, kColumnName), "a");
    EXPECT_EQ(list.GetKey(0), NameKey("a"));
    EXPECT_EQ(list.GetStateImage(0), 1);
    EXPECT_EQ(CellText(list, 1, kColumnResult), kResultDone);
    EXPECT_EQ(list.GetKey(1), NameKey("b"));
    EXPECT_EQ(list.GetStateImage(1), 2);
    EXPECT_TRUE(IsPathListed(list, "A"));
    EXPECT_TRUE(IsPathListed(list, "B"));
}

TEST(SortRowsByColumn, ThousandsOfRowsEndInByteOrderAndStable)
{
    std::mt19937 random(7);
    MemoryFileList list;
    for (int row = 0; row < 4000; ++row) {
        char location[64];
        std::snprintf(location, sizeof location, "d%u\\%c%03u.txt", row % 7, "aBc\x95"[random() % 4],
                      static_cast<unsigned>(random() % 500));
        AppendFileRow(list, location);
        list.SetText(row, kColumnResult, std::to_string(row).c_str());  // the original place, to check stability
    }
    for (bool descending : {true, false}) {
        SortRowsByColumn(list, kColumnName, descending);
        std::vector<std::string> names = ColumnTexts(list, kColumnName);
        std::vector<std::string> marks = ColumnTexts(list, kColumnResult);
        for (std::size_t i = 1; i < names.size(); ++i) {
            int order = names[i - 1].compare(names[i]);  // char_traits<char> compares as unsigned char
            ASSERT_TRUE(descending ? order >= 0 : order <= 0) << i;
        }
        ASSERT_EQ(names.size(), 4000u);
    }
    // Ascending after descending: rows with equal names keep their order from the descending sort.
    SortRowsByColumn(list, kColumnLocation, false);
    std::vector<std::string> locations = ColumnTexts(list, kColumnLocation);
    EXPECT_TRUE(std::is_sorted(locations.begin(), locations.end()));
    EXPECT_TRUE(IndexCountsEachRowOnce(list));
}

TEST(SortRowsByColumn, IsStable)
{
    MemoryFileList list = ListOf({{"", "x\\same", "1", 1}, {"", "y\\same", "2", 1}, {"", "a\\first", "3", 1}});
    SortRowsByColumn(list, kColumnName, false);
    EXPECT_EQ(ColumnTexts(list, kColumnResult), (std::vector<std::string>{"3", "1", "2"}));
    SortRowsByColumn(list, kColumnName, true);
    EXPECT_EQ(ColumnTexts(list, kColumnResult), (std::vector<std::string>{"1", "2", "3"}));
}

}  // namespace
