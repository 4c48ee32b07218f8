#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "store/combo_window.h"
#include "store/shift_jis_conversion.h"
#include "store/tag_history.h"
#include "store/write_record.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

const char kHistoryName[] = "タグ.txt";

std::vector<std::string> ReadAllLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::FILE* stream = std::fopen(path.c_str(), "rt");
    if (!stream) return lines;
    char buffer[1024] = {};
    while (ReadHistoryLine(stream, buffer)) lines.push_back(buffer);
    std::fclose(stream);
    return lines;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(TagHistoryTest, ReadHistoryLine)
{
    const std::string line1022(1022, 'a');
    const std::string line2500 = std::string(1022, 'x') + std::string(1022, 'y') + std::string(456, 'z');
    // ソ (0x83 0x5C) and 表 (0x95 0x5C): a backslash as second byte is just part of the text.
    const ReadCase cases[] = {
        {"CR LF", "Memo\r\nソ表\r\n", {"Memo", "ソ表"}},
        {"LF only", "Memo\nソ表\n", {"Memo", "ソ表"}},
        {"no final line end", "Memo\r\nlast", {"Memo", "last"}},
        {"stray CRs before the line end", "Memo\r\r\nnext\r\n", {"Memo", "next"}},
        {"empty lines are entries", "\r\nMemo\r\n\r\n", {"", "Memo", ""}},
        {"blanks are kept",
         " Memo \r\n",
         {
             " Memo ",
         }},
        {"empty file", "", {}},
        {"1022-byte line then its line end", line1022 + "\r\nnext\r\n", {line1022, "", "next"}},
        {"2500-byte line in pieces",
         line2500 + "\r\n",
         {std::string(1022, 'x'), std::string(1022, 'y'), std::string(456, 'z')}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), c.bytes));
        EXPECT_EQ(c.lines, ReadAllLines(folder.Join(kHistoryName)));
    }
}

struct AppendCase {
    const char* name;
    std::optional<std::string> before;  // empty: no file
    std::string tag;
    std::string after;
};

TEST(TagHistoryTest, AppendTagToHistory)
{
    const std::string tag1022(1022, 't');
    const std::string tag1100(1100, 'u');
    const AppendCase cases[] = {
        {"first append creates the file", std::nullopt, "Memo", "Memo\r\n"},
        {"empty file", "", "Memo", "Memo\r\n"},
        {"new tag goes last", "Old\r\n", "Memo", "Old\r\nMemo\r\n"},
        {"held with CR LF", "Old\r\nMemo\r\nNext\r\n", "Memo", "Old\r\nMemo\r\nNext\r\n"},
        {"held with LF only", "Old\nMemo\n", "Memo", "Old\nMemo\n"},
        {"held as last line without line end", "Old\r\nMemo", "Memo", "Old\r\nMemo"},
        {"last line without line end gets one first", "Old\r\nMe", "Memo", "Old\r\nMe\r\nMemo\r\n"},
        {"last line ending in a stray CR gets a line end", "Old\r", "Memo", "Old\r\r\nMemo\r\n"},
        {"letter case differs", "memo\r\n", "Memo", "memo\r\nMemo\r\n"},
        {"blanks differ", " Memo\r\n", "Memo", " Memo\r\nMemo\r\n"},
        {"prefix of a line is not the line", "Memo2\r\n", "Memo", "Memo2\r\nMemo\r\n"},
        {"Shift-JIS tag held", "ソ表\r\n", "ソ表", "ソ表\r\n"},
        {"Shift-JIS tags differing in the second byte", "タグ\r\n", "タバ", "タグ\r\nタバ\r\n"},
        {"1022-byte tag is found", tag1022 + "\r\n", tag1022, tag1022 + "\r\n"},
        // Longer lines are read in pieces, so such a tag is never found and is written again.
        {"tag longer than one read is appended again", tag1100 + "\r\n", tag1100, tag1100 + "\r\n" + tag1100 + "\r\n"},
        // Start-up has made a file from Notepad Shift-JIS, so the new line is in the file's one encoding.
        {"UTF-8", u8"メモ\n", "表", "メモ\r\n表\r\n"},
        {"UTF-8 with a mark holding the tag", u8"\uFEFF表\r\n", "表", "表\r\n"},
        {"UTF-16 LE without a final line end", Utf16WithMark(u"メモ"), "表", "メモ\r\n表\r\n"},
        {"a character Shift-JIS lacks: nothing is appended", u8"한\n", "表", u8"한\n"},
        // Valid Shift-JIS as well (ﾂ･), and no character above U+3000: read as it stands.
        {"no look-alike: a yen sign never becomes a backslash", u8"a¥b\n", "表", std::string(u8"a¥b\n") + "表\r\n"},
        {"a yen sign behind a mark: nothing is appended", u8"\uFEFFa¥b\n", "表", u8"\uFEFFa¥b\n"},
    };
    for (const AppendCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (c.before) {
            ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), *c.before));
        }
        ConvertStoreFilesToShiftJis();
        AppendTagToHistory(kHistoryName, c.tag.c_str());
        EXPECT_EQ(c.after, ReadFileBytes(folder.Join(kHistoryName)));
    }
}

TEST(TagHistoryTest, AbsentOrEmptyTagTouchesNothing)
{
    TempProgramFolder folder;
    AppendTagToHistory(kHistoryName, nullptr);
    AppendTagToHistory(kHistoryName, "");
    EXPECT_FALSE(FileExists(folder.Join(kHistoryName)));

    ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), "Old"));
    AppendTagToHistory(kHistoryName, "");
    EXPECT_EQ("Old", ReadFileBytes(folder.Join(kHistoryName)));
}

TEST(TagHistoryTest, RepeatedAppendsWriteEachTagOnce)
{
    TempProgramFolder folder;
    for (const char* tag : {"Memo", "ソ", "Memo", "memo", "ソ", ".\\"}) AppendTagToHistory(".\\タグ.txt", tag);
    AppendTagToHistory(kHistoryName, "memo");
    EXPECT_EQ("Memo\r\nソ\r\nmemo\r\n.\\\r\n", ReadFileBytes(folder.Join(kHistoryName)));
    // The lines an append knows hold while the file stands as Tagrin left it: another instance's line, written
    // and recorded, is found after them; a hand edit makes the next append read the file whole.
    ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), "Memo\r\nソ\r\nmemo\r\n.\\\r\nother\r\n"));
    RecordWritten(kHistoryName);
    AppendTagToHistory(kHistoryName, "other");
    EXPECT_EQ("Memo\r\nソ\r\nmemo\r\n.\\\r\nother\r\n", ReadFileBytes(folder.Join(kHistoryName)));
    ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), "ソ\r\n"));
    AppendTagToHistory(kHistoryName, "Memo");
    EXPECT_EQ("ソ\r\nMemo\r\n", ReadFileBytes(folder.Join(kHistoryName)));
}

TEST(TagHistoryTest, UnwritableFileIsLeftAsItIs)
{
    TempProgramFolder folder;
    const std::string path = folder.Join(kHistoryName);
    ASSERT_TRUE(MakeFolder(path));  // a folder by that name cannot be opened for appending
    AppendTagToHistory(kHistoryName, "Memo");
    EXPECT_TRUE(FolderExists(path));

    // Saved again in UTF-8 after start-up, the file gets no Shift-JIS line.
    TempProgramFolder resaved;
    ASSERT_TRUE(WriteFileBytes(resaved.Join(kHistoryName), u8"メモ\n"));
    AppendTagToHistory(kHistoryName, "Memo");
    EXPECT_EQ(u8"メモ\n", ReadFileBytes(resaved.Join(kHistoryName)));
}

// Every character of the code page that reads back as itself through UTF-16, as a tag typed in the box is.
std::vector<std::string> CodePageCharacters()
{
    std::vector<std::string> characters;
    for (unsigned code = 0x20; code <= 0xFCFC; ++code) {
        std::string bytes(code > 0xFF ? 2 : 1, static_cast<char>(code >> 8));
        bytes.back() = static_cast<char>(code);
        wchar_t wide = 0;
        char back[4] = {};
        BOOL usedDefault = FALSE;
        const int size = static_cast<int>(bytes.size());
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), size, &wide, 1) == 1 &&
            WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, back, 3, nullptr, &usedDefault) > 0 &&
            !usedDefault && bytes == back) {
            characters.push_back(bytes);
        }
    }
    return characters;
}

// Random tags, most of their characters half-width katakana (whose pairs often read as UTF-8), written and
// started over twice: every start reads back exactly the lines written, and leaves the file as it is.
TEST(TagHistoryTest, OwnHistoryReadsBackAsWrittenAtEveryStart)
{
    const std::vector<std::string> characters = CodePageCharacters();
    ASSERT_GT(characters.size(), 9000u);
    std::mt19937 random(932);
    for (int round = 0; round < 100; ++round) {
        TempProgramFolder folder;
        std::vector<std::string> written;
        for (int start = 0; start < 2; ++start) {
            for (unsigned tags = 1 + random() % 2; tags > 0; --tags) {
                std::string tag;
                for (unsigned length = 1 + random() % 3; length > 0; --length) {
                    tag += random() % 4 ? std::string(1, static_cast<char>(0xA1 + random() % 63))
                                        : characters[random() % characters.size()];
                }
                AppendTagToHistory(kHistoryName, tag.c_str());
                if (std::find(written.begin(), written.end(), tag) == written.end()) written.push_back(tag);
            }
            EXPECT_EQ("", ConvertStoreFilesToShiftJis()) << "round " << round;
            EXPECT_EQ(written, ReadAllLines(folder.Join(kHistoryName))) << "round " << round;
            ComboWindow window;
            LoadTagHistory(window.Window());
            const std::vector<std::string> entries = window.Entries();
            EXPECT_TRUE(std::is_permutation(written.begin(), written.end(), entries.begin(), entries.end()))
                << "round " << round;
        }
    }
}

struct OwnFileCase {
    const char* name;
    std::size_t recordKept;  // bytes of the record left after Tagrin's write
    std::string handEdit;    // written over the history afterwards; empty: none
    std::string after;       // the history after the next start
};

TEST(TagHistoryTest, OnlyTheFileAsTagrinLeftItIsNeverExamined)
{
    // Written by Tagrin as Shift-JIS, these bytes are also valid UTF-8 of ああ.
    const std::string own = "\xE3\x81\x82\xE3\x81\x82";
    const OwnFileCase cases[] = {
        {"left as it is", std::string::npos, "", own + "\r\n"},
        {"no record", 0, "", "ああ\r\n"},
        {"a record without entries", 23, "", "ああ\r\n"},
        {"a record cut inside its entry", 40, "", "ああ\r\n"},
        {"saved again by hand", std::string::npos, u8"ああ\r\nメモ\r\n", "ああ\r\nメモ\r\n"},
    };
    for (const OwnFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        AppendTagToHistory(kHistoryName, own.c_str());
        const std::string record = ReadFileBytes(folder.Join("書き込み記録.dat"));
        ASSERT_TRUE(WriteFileBytes(folder.Join("書き込み記録.dat"), record.substr(0, c.recordKept)));
        if (!c.handEdit.empty()) {
            ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), c.handEdit));
        }
        EXPECT_EQ("", ConvertStoreFilesToShiftJis());
        EXPECT_EQ(c.after, ReadFileBytes(folder.Join(kHistoryName)));
    }
}

struct LoadCase {
    const char* name;
    std::optional<std::string> bytes;  // none: no file
    std::vector<std::string> entries;
    std::optional<std::string> converted;  // the file after start-up; none: as it was, byte for byte
    bool heldBack;                         // start-up tells the user
    bool backupBlocked = false;            // a folder stands where the original would be kept
};

TEST(TagHistoryTest, LoadTagHistoryFillsTheSortedList)
{
    const LoadCase cases[] = {
        {"no file leaves the list empty", std::nullopt, {}, std::nullopt, false},
        {"empty file", "", {}, std::nullopt, false},
        {"sorted, case ignored", "b\r\nC\r\na\r\n", {"a", "b", "C"}, std::nullopt, false},
        {"each tag once, empty lines passed over", "Memo\r\n\r\nMemo\r\n", {"Memo"}, std::nullopt, false},
        {"blanks at the ends are no part of a tag",
         " Memo\r\n\t\r\nMemo　\r\na b\r\n",
         {"a b", "Memo"},
         std::nullopt,
         false},
        {"last line without line end", "b\r\na", {"a", "b"}, std::nullopt, false},
        {"Shift-JIS with LF only", "表\nソ\n", {"ソ", "表"}, std::nullopt, false},
        {"UTF-8", u8"メモ\nソ表\n", {"ソ表", "メモ"}, "メモ\r\nソ表\r\n", false},
        {"UTF-8 with a mark", u8"\uFEFFタグ\r\n", {"タグ"}, "タグ\r\n", false},
        {"UTF-16 LE", Utf16WithMark(u"表\r\nMemo\r\n"), {"Memo", "表"}, "表\r\nMemo\r\n", false},
        {"a character Shift-JIS lacks", u8"タグ\n한\n", {}, std::nullopt, true},
        // Hand-written Shift-JIS that is valid UTF-8 too: of μ, of ç (which Shift-JIS lacks).
        {"half-width katakana as UTF-8 of a Greek letter", "ﾎｼ\r\n", {"ﾎｼ"}, std::nullopt, false},
        {"half-width katakana as UTF-8 of a letter Shift-JIS lacks", "ﾃｧ\r\n", {"ﾃｧ"}, std::nullopt, false},
        {"UTF-8 below U+3000 that is no Shift-JIS", u8"→\r\n", {"→"}, "→\r\n", false},
        {"UTF-8 whose original cannot be kept", u8"メモ\n", {}, std::nullopt, true, true},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        if (c.bytes) {
            ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), *c.bytes));
        }
        if (c.backupBlocked) {
            ASSERT_TRUE(MakeFolder(folder.Join("タグ.txt.bak")));
        }
        const std::string told = ConvertStoreFilesToShiftJis();
        EXPECT_EQ(c.heldBack, told.find("タグ.txt") != std::string::npos);
        // Only a file in another encoding is ever to be saved as ANSI.
        EXPECT_EQ(c.heldBack && !c.backupBlocked, told.find("ANSI") != std::string::npos);
        EXPECT_EQ(c.converted.value_or(c.bytes.value_or("")), ReadFileBytes(folder.Join(kHistoryName)));
        EXPECT_EQ(c.converted ? *c.bytes : "", ReadFileBytes(folder.Join("タグ.txt.bak")));
        ComboWindow window;
        window.AddEntry("left over");
        LoadTagHistory(window.Window());
        EXPECT_EQ(c.entries, window.Entries());
    }
}

// Lines the combo box orders by its own rules (case-different, double-byte): each is offered once.
TEST(TagHistoryTest, LoadTagHistoryOffersCaseDifferentAndShiftJisLines)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), "表\r\nmemo\r\nソ\r\nMEMO\r\n"));
    ComboWindow window;
    LoadTagHistory(window.Window());
    std::vector<std::string> entries = window.Entries();
    std::sort(entries.begin(), entries.end());
    const std::vector<std::string> expected = {"MEMO", "memo", "ソ", "表"};
    EXPECT_EQ(expected, entries);
}

// The loaded list holds the lines the box holds when they are added one by one, entry by entry in its
// order; lines it finds equal (letter case) may stand in another order among themselves.
TEST(TagHistoryTest, LoadTagHistoryKeepsTheSortedBoxOrder)
{
    for (int seed : {1, 2}) {
        TempProgramFolder folder;
        // Distinct lines, as the box is offered each line once; letter case still differs among them.
        std::set<std::string> lines;
        int number = 0;
        for (const std::string& word : MixedBoxTexts(500, seed)) lines.insert(word + std::to_string(number++ % 40));
        std::string bytes;
        ComboWindow sorted;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
            sorted.AddEntry(line);
        }
        ASSERT_TRUE(WriteFileBytes(folder.Join(kHistoryName), bytes));
        ComboWindow loaded;
        LoadTagHistory(loaded.Window());
        const std::vector<std::string> expected = sorted.Entries();
        const std::vector<std::string> entries = loaded.Entries();
        ASSERT_EQ(expected.size(), entries.size());
        const LCID locale = static_cast<LCID>(SendMessageA(loaded.Combo(), CB_GETLOCALE, 0, 0));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(CSTR_EQUAL,
                      CompareStringA(locale, NORM_IGNORECASE, expected[i].c_str(), -1, entries[i].c_str(), -1))
                << "seed " << seed << ", entry " << i;
        }
        EXPECT_TRUE(std::is_permutation(expected.begin(), expected.end(), entries.begin())) << "seed " << seed;
    }
}

}  // namespace
