// The picker's answer to "does the box hold this tag" must be the combo box's own whole-string search's,
// since it stands in for that search during a collection pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/combo_window.h"
#include "store/picker_entries.h"

namespace {

// A pass that expects no tags asks the box about each; one that expects many reads the box.
const std::size_t kWaysToAsk[] = {0, 100000};

struct LookupCase {
    const char* name;
    std::vector<std::string> entries;
    std::string tag;
};

TEST(PickerEntries, AgreesWithTheComboBoxSearch)
{
    // ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash as their second byte.
    const LookupCase cases[] = {
        {"same bytes", {"Memo"}, "Memo"},
        {"ASCII letter case", {"memo"}, "MEMO"},
        {"full-width letter case", {"ｍｅｍｏ"}, "ＭＥＭＯ"},
        {"Greek letter case", {"α"}, "Α"},
        {"half and full width", {"Memo"}, "Ｍｅｍｏ"},
        {"hiragana and katakana", {"めも"}, "メモ"},
        {"prefix only", {"Memo"}, "Mem"},
        {"longer than the entry", {"Memo"}, "Memo2"},
        {"trailing blank", {"Memo"}, "Memo "},
        {"second byte 0x5C", {"ソ表"}, "ソ表"},
        {"differs in the first byte of a pair", {"ソ"}, "表"},
        {"empty list", {}, "Memo"},
        {"among many", {"a", "b", "Draft", "Memo", "z"}, "DRAFT"},
        {"ASCII digits and signs", {"[a-1_z]"}, "[A-1_Z]"},
        {"ASCII backslash and tilde", {"a\\~b"}, "A\\~B"},
        {"ASCII letters before kana", {"memoめも"}, "MEMOめも"},
    };
    for (const LookupCase& c : cases) {
        for (std::size_t tagsToMeet : kWaysToAsk) {
            SCOPED_TRACE(std::string(c.name) + (tagsToMeet == 0 ? ", asking the box" : ", reading the box"));
            ComboWindow window;
            for (const std::string& entry : c.entries) window.AddEntry(entry);
            const bool found = SendMessageA(window.Combo(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(c.tag.c_str())) != CB_ERR;
            const std::vector<std::string> before = window.Entries();
            EXPECT_EQ(found, PickerEntries(window.Combo(), tagsToMeet, [] {}).Contains(c.tag.c_str()));
            EXPECT_EQ(before, window.Entries()) << "a question leaves the box as it was";
        }
    }
}

TEST(PickerEntries, AddPutsANewTagInTheBoxOnce)
{
    for (std::size_t tagsToMeet : kWaysToAsk) {
        SCOPED_TRACE(tagsToMeet);
        ComboWindow window;
        window.AddEntry("Memo");
        PickerEntries entries(window.Combo(), tagsToMeet, [] {});
        EXPECT_FALSE(entries.Contains("draft"));
        EXPECT_TRUE(entries.Add("Draft"));
        EXPECT_FALSE(entries.Add("DRAFT"));
        EXPECT_FALSE(entries.Add("memo"));
        EXPECT_TRUE(entries.Contains("draft"));
        EXPECT_TRUE(entries.Contains("MEMO"));
        entries.InsertAdded();
        EXPECT_EQ((std::vector<std::string>{"Draft", "Memo"}), window.Entries());
    }
}

// The box ends as the box's own sorted adds of the new tags leave it, also among entries it finds
// equal (letter case, duplicates): no entry is lost, doubled or moved by the question before an add.
TEST(PickerEntries, InsertedWhereTheSortedBoxPutsThem)
{
    for (int seed : {1, 2, 3}) {
        const std::size_t tagsToMeet = kWaysToAsk[seed % 2];
        const std::vector<std::string> texts = MixedBoxTexts(600, seed);
        ComboWindow sorted;
        ComboWindow inserted;
        for (std::size_t i = 0; i < texts.size() / 3; ++i) {
            sorted.AddEntry(texts[i]);
            inserted.AddEntry(texts[i]);
        }
        // The held entries have equals among them; an added tag is taken only once.
        PickerEntries entries(inserted.Combo(), tagsToMeet, [] {});
        for (std::size_t i = texts.size() / 3; i < texts.size(); ++i) {
            if (entries.Add(texts[i].c_str())) sorted.AddEntry(texts[i]);
        }
        entries.InsertAdded();
        EXPECT_EQ(sorted.Entries(), inserted.Entries()) << "seed " << seed;
    }
}

}  // namespace
