#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "store/combo_window.h"
#include "store/file_names.h"
#include "store/tag_history.h"
#include "store/tag_picker.h"
#include "tags/tag_collection.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

const char kHistoryName[] = "タグ.txt";

// The dialog stand-in with rows in its list view; the list's location index goes with it.
class PickerWindow : public ComboWindow {
public:
    PickerWindow() : ComboWindow(true), rows_(List()) {}
    ~PickerWindow() { ReleaseLocationIndex(List()); }

    void AddRow(const std::string& location, bool excluded = false)
    {
        AppendFileRow(rows_, location.c_str());
        if (excluded) rows_.SetStateImage(rows_.RowCount() - 1, 2);
    }
    int RowCount() const { return rows_.RowCount(); }

private:
    ListViewOps rows_;
};

struct Row {
    std::string name;  // file name inside the program folder
    bool excluded;
};

struct CollectCase {
    const char* name;
    const char* settings;  // hand-written ".\設定.ini", or nullptr
    std::vector<std::string> before;
    std::vector<Row> rows;
    std::vector<std::string> after;  // in the list's order
};

TEST(TagPickerTest, CollectListedTags)
{
    // ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash as their second byte.
    const CollectCase cases[] = {
        {"no rows", nullptr, {"Old"}, {}, {"Old"}},
        {"two tags of one name", nullptr, {}, {{"[Memo](Draft)report.txt", false}}, {"Draft", "Memo"}},
        {"letter case ignored against the list", nullptr, {"memo"}, {{"[MEMO]a.txt", false}}, {"memo"}},
        {"same tag in two names", nullptr, {}, {{"[Memo]a.txt", false}, {"[memo]b.txt", false}}, {"Memo"}},
        {"excluded rows count", nullptr, {}, {{"[Memo]a.txt", true}, {"(Draft)b.txt", false}}, {"Draft", "Memo"}},
        {"an empty tag is passed over", nullptr, {}, {{"[][Memo]a.txt", false}}, {"Memo"}},
        {"a numbered name",
         nullptr,
         {},
         {{"1) intro [Memo].txt", false}, {"01）議事録[表].txt", false}},
         {"Memo", "表"}},
        {"blanks inside the brackets",
         nullptr,
         {"Memo"},
         {{"[ Memo ]b.txt", false}, {"[　メモ]c.txt", false}},
         {"Memo", "メモ"}},
        {"name without tags", nullptr, {"Old"}, {{"report.txt", false}}, {"Old"}},
        {"Shift-JIS tags", nullptr, {}, {{"【ソ】a.txt", false}, {"[表]b.txt", false}}, {"ソ", "表"}},
        {"brackets from the settings file",
         "[タグ括弧]\r\ntag1=<\r\ntag2=>\r\n",
         {},
         {{"[Memo]<Draft>a.txt", false}},
         {"Draft"}},
        {"empty bracket set recognises nothing", "[タグ括弧]\r\ntag1=\r\ntag2=\r\n", {}, {{"[Memo]a.txt", false}}, {}},
    };
    for (const CollectCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (c.settings) {
            ASSERT_TRUE(WriteFileBytes(folder.Join("設定.ini"), c.settings));
        }
        PickerWindow window;
        for (const std::string& entry : c.before) window.AddEntry(entry);
        for (const Row& row : c.rows) window.AddRow(folder.Join(row.name), row.excluded);
        CollectListedTags(window.Window(), window.RowCount());
        EXPECT_EQ(c.after, window.Entries());
    }
}

TEST(TagPickerTest, FolderRowGivesNoTags)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder(folder.Join("[Memo]folder")));
    PickerWindow window;
    window.AddRow(folder.Join("[Memo]folder"));
    window.AddRow(folder.Join("[Gone]missing.txt"));  // a file that is not there is read as text
    CollectListedTags(window.Window(), window.RowCount());
    EXPECT_EQ(std::vector<std::string>{"Gone"}, window.Entries());
}

TEST(TagPickerTest, LaterPassAddsNoDuplicates)
{
    TempProgramFolder folder;
    PickerWindow window;
    window.AddRow(folder.Join("[Memo]a.txt"));
    CollectListedTags(window.Window(), window.RowCount());
    window.AddRow(folder.Join("[memo](Draft)b.txt"));
    CollectListedTags(window.Window(), window.RowCount());
    const std::vector<std::string> expected = {"Draft", "Memo"};
    EXPECT_EQ(expected, window.Entries());
}

struct SaveCase {
    const char* name;
    const char* history;  // nullptr: no file
    std::vector<std::string> entries;
    const char* after;  // nullptr: still no file
};

TEST(TagPickerTest, SavePickerToHistory)
{
    const SaveCase cases[] = {
        {"empty list creates no file", nullptr, {}, nullptr},
        {"only an empty entry creates no file", nullptr, {""}, nullptr},
        {"entries in sorted order", nullptr, {"b", "A", "c"}, "A\r\nb\r\nc\r\n"},
        {"held entries not written again", "b\r\n", {"a", "b"}, "b\r\na\r\n"},
        {"case-different entry is a new line", "memo\r\n", {"Memo"}, "memo\r\nMemo\r\n"},
        {"loaded duplicates and empty line", "Memo\r\n\r\nMemo\r\n", {"Memo", "", "Memo"}, "Memo\r\n\r\nMemo\r\n"},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (c.history) {
            ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), c.history));
        }
        ComboWindow window;
        for (const std::string& entry : c.entries) window.AddEntry(entry);
        SavePickerToHistory(window.Window());
        if (!c.after) {
            EXPECT_FALSE(FileExists(folder.Join(kHistoryName)));
            continue;
        }
        EXPECT_EQ(c.after, ReadFileBytes(folder.Join(kHistoryName)));
    }
}

TEST(TagPickerTest, SaveSkipsEntriesTooLongForTheBuffer)
{
    TempProgramFolder folder;
    ComboWindow window;
    const std::string longest(1023, 'y');
    window.AddEntry(std::string(1500, 'x'));
    window.AddEntry(longest);
    window.AddEntry("Memo");
    SavePickerToHistory(window.Window());
    EXPECT_EQ("Memo\r\n" + longest + "\r\n", ReadFileBytes(folder.Join(kHistoryName)));
}

// The run of a session: history loaded, names collected, everything handed back on close.
TEST(TagPickerTest, HistoryGainsTheTagsOfListedNames)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), "Old\r\n"));
    PickerWindow window;
    LoadTagHistory(window.Window());
    window.AddRow(folder.Join("[Zeta](old)a.txt"));
    window.AddRow(folder.Join("[Alpha]b.txt"));
    CollectListedTags(window.Window(), window.RowCount());
    SavePickerToHistory(window.Window());
    EXPECT_EQ("Old\r\nAlpha\r\nZeta\r\n", ReadFileBytes(folder.Join(kHistoryName)));
}

}  // namespace
