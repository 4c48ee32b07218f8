#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "store/settings.h"
#include "store/shift_jis_conversion.h"
#include "store/window_settings.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

const char kSettingsName[] = "設定.ini";

// Writes the settings file by hand (raw bytes); none leaves the folder without one.
void PutSettings(const TempProgramFolder& folder, const std::optional<std::string>& bytes)
{
    if (bytes) {
        ASSERT_TRUE(WriteFileBytes(folder.Join(kSettingsName), *bytes));
    }
}

void PutSettings(const TempProgramFolder& folder, const char* bytes)
{
    PutSettings(folder, bytes ? std::optional<std::string>(bytes) : std::nullopt);
}

IntakeSettings ReadIntake()
{
    IntakeSettings settings = {};
    ReadIntakeSettings(settings);
    return settings;
}

// A close as the dialog makes it: what start-up read decides what may be written back.
void Close(const char* ext, int recurse)
{
    SaveIntakeSettings(ext, recurse, ReadIntake());
}

struct BracketCase {
    const char* name;
    std::optional<std::string> ini;
    const char* opening;
    const char* closing;
    const char* before;
    const char* after;
    std::optional<std::string> converted;  // the file after start-up; none: as it was, byte for byte
    bool heldBack;                         // start-up tells the user, and the close writes nothing
    bool overlong = false;                 // a value too long to be used, told once a run and never used cut
};

// A value never counts cut: 1,023 bytes are kept, one byte more counts as missing, and so does a double-byte
// character across the limit. 表 ends in the byte 0x5C.
const std::string k1023(1023, '[');
const std::string kAcross = std::string(1022, 'x') + "表";

// ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash as their second byte; u8 texts are as Notepad saves them.
const BracketCase kBracketCases[] = {
    {"no file gives the defaults", std::nullopt, "[(【（「{『<＜", "])】）」}』>＞", "[", "]", std::nullopt, false},
    {"empty file", "", "[(【（「{『<＜", "])】）」}』>＞", "[", "]", std::nullopt, false},
    {"section without keys", "[タグ括弧]\r\n", "[(【（「{『<＜", "])】）」}』>＞", "[", "]", std::nullopt, false},
    {"keys in another section are not brackets", "[設定]\r\ntag1=x\r\naddtag1=y\r\n", "[(【（「{『<＜",
     "])】）」}』>＞", "[", "]", std::nullopt, false},
    {"empty sets stay empty, empty add texts fall back", "[タグ括弧]\r\ntag1=\r\ntag2=\r\naddtag1=\r\naddtag2=\r\n", "",
     "", "[", "]", std::nullopt, false},
    {"hand-written Shift-JIS values", "[タグ括弧]\r\ntag1=【ソ\r\ntag2=】表\r\naddtag1=ソ\r\naddtag2=表\r\n", "【ソ",
     "】表", "ソ", "表", std::nullopt, false},
    {"LF-only ASCII file", "[タグ括弧]\ntag1=<\ntag2=>\naddtag1=<<\naddtag2=>>\n", "<", ">", "<<", ">>", std::nullopt,
     false},
    {"only one add text set", "[タグ括弧]\r\naddtag2=)\r\n", "[(【（「{『<＜", "])】）」}』>＞", "[", ")", std::nullopt,
     false},
    {"UTF-8", u8"[タグ括弧]\naddtag1=【\naddtag2=】\n", "[(【（「{『<＜", "])】）」}』>＞", "【", "】",
     "[タグ括弧]\r\naddtag1=【\r\naddtag2=】\r\n", false},
    {"UTF-8 with a mark", u8"\uFEFF[タグ括弧]\r\ntag1=ソ\r\ntag2=表\r\n", "ソ", "表", "[", "]",
     "[タグ括弧]\r\ntag1=ソ\r\ntag2=表\r\n", false},
    {"UTF-16 LE", Utf16WithMark(u"[タグ括弧]\r\ntag1=<\r\ntag2=>\r\naddtag1=＜\r\n"), "<", ">", "＜", "]",
     "[タグ括弧]\r\ntag1=<\r\ntag2=>\r\naddtag1=＜\r\n", false},
    {"UTF-16 BE", Utf16WithMark(u"[タグ括弧]\naddtag2=』\n", true), "[(【（「{『<＜", "])】）」}』>＞", "[", "』",
     "[タグ括弧]\r\naddtag2=』\r\n", false},
    {"a character Shift-JIS lacks", u8"\uFEFF[タグ括弧]\r\naddtag1=한\r\naddtag2=】\r\n", "[(【（「{『<＜",
     "])】）」}』>＞", "[", "]", std::nullopt, true},
    {"1,023 bytes are kept", "[タグ括弧]\r\ntag1=" + k1023 + "\r\n", k1023.c_str(), "])】）」}』>＞", "[", "]",
     std::nullopt, false},
    {"1,024 bytes count as missing", "[タグ括弧]\r\ntag1=[" + k1023 + "\r\n", "[(【（「{『<＜", "])】）」}』>＞", "[",
     "]", std::nullopt, false, true},
    {"a character across the limit", "[タグ括弧]\r\naddtag2=" + kAcross + "\r\n", "[(【（「{『<＜", "])】）」}』>＞",
     "[", "]", std::nullopt, false, true},
};

TEST(SettingsTest, BracketSettingsAndAddBrackets)
{
    for (const BracketCase& c : kBracketCases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        PutSettings(folder, c.ini);
        const std::string told = ConvertStoreFilesToShiftJis();
        EXPECT_EQ(c.heldBack, told.find("設定.ini") != std::string::npos && told.find("ANSI") != std::string::npos);
        const std::string onDisk = ReadFileBytes(folder.Join(kSettingsName));
        EXPECT_EQ(c.converted.value_or(c.ini.value_or("")), onDisk);
        EXPECT_EQ(c.converted ? *c.ini : "", ReadFileBytes(folder.Join("設定.ini.bak")));
        char opening[1024] = {};
        char closing[1024] = {};
        ReadBracketSettings(opening, closing);
        EXPECT_STREQ(c.opening, opening);
        EXPECT_STREQ(c.closing, closing);
        char before[1024] = {};
        char after[1024] = {};
        ReadAddBrackets(before, after);
        EXPECT_STREQ(c.before, before);
        EXPECT_STREQ(c.after, after);
        EXPECT_EQ(c.overlong, TakeSettingsNotice().find("の値が長すぎる") != std::string::npos);
        ReadAddBrackets(before, after);
        EXPECT_EQ("", TakeSettingsNotice()) << "once a run";

        // The close writes Shift-JIS into a Shift-JIS file and nothing into one held back.
        Close("表", 0);
        EXPECT_STREQ(c.heldBack ? "*" : "表", ReadIntake().extText);
        EXPECT_EQ(c.heldBack, ReadFileBytes(folder.Join(kSettingsName)) == onDisk);
        ReadBracketSettings(opening, closing);
        EXPECT_STREQ(c.closing, closing);
    }
}

struct IntakeCase {
    const char* name;
    const char* ini;
    const char* ext;
    int recurse;
    const char* kept = nullptr;  // a value start-up did not take: a close that changes nothing leaves it
    bool frameTaken = false;     // the window's place and size, each value taken whole and in range
    int column3 = -1;            // its third column's width; -1: none taken
};

// 203 extensions, then html;jpeg;png: 1,028 bytes, cut at 1,023 it would be "…;html;jpe".
const std::string kLongFilter = [] {
    std::string text;
    for (int i = 0; i < 203; ++i) text += "e" + std::to_string(100 + i) + ";";
    return "[設定]\r\next=" + text + "html;jpeg;png\r\n";
}();

const IntakeCase kIntakeCases[] = {
    {"a filter too long counts as missing", kLongFilter.c_str(), "*", 1, "html;jpeg;png"},
    {"no file gives the defaults", nullptr, "*", 1},
    {"section without keys", "[設定]\r\n", "*", 1},
    {"empty ext stays empty", "[設定]\r\next=\r\nIsDir=0\r\n", "", 0},
    {"IsDir 2 is on", "[設定]\r\nIsDir=2\r\n", "*", 2},
    {"IsDir not a number counts as missing", "[設定]\r\nIsDir=abc\r\n", "*", 1, "IsDir=abc"},
    {"IsDir with a tail counts as missing", "[設定]\r\nIsDir=0abc\r\n", "*", 1, "IsDir=0abc"},
    {"IsDir in hex counts as missing", "[設定]\r\nIsDir=0x0\r\n", "*", 1, "IsDir=0x0"},
    {"IsDir negative is on", "[設定]\r\nIsDir=-1\r\n", "*", -1},
    {"IsDir with a leading blank", "[設定]\r\nIsDir= 7\r\n", "*", 7},
    {"IsDir empty falls back", "[設定]\r\nIsDir=\r\n", "*", 1},
    {"Shift-JIS extensions", "[設定]\r\next=txt;表;ソ\r\nIsDir=1\r\n", "txt;表;ソ", 1},
    {"keys of the bracket section are not intake keys", "[タグ括弧]\r\next=jpg\r\nIsDir=0\r\n", "*", 1},
    {"a window as a close saves it", "[ウィンドウ]\r\nx=-1280\r\ny= 0 \r\nwidth=700\r\nheight=+650\r\ncolumn3=0\r\n",
     "*", 1, nullptr, true, 0},
    {"a window key missing", "[ウィンドウ]\r\nx=5\r\ny=5\r\nwidth=700\r\ncolumn3=300\r\n", "*", 1, nullptr, false, 300},
    {"window values with a tail, in hex", "[ウィンドウ]\r\nx=5abc\r\ny=5\r\nwidth=7\r\nheight=6\r\ncolumn3=0x10\r\n",
     "*", 1},
    {"window sizes negative or zero", "[ウィンドウ]\r\nx=5\r\ny=5\r\nwidth=0\r\nheight=-6\r\ncolumn3=-1\r\n", "*", 1},
    {"window values beyond any screen", "[ウィンドウ]\r\nx=5\r\ny=99999\r\nwidth=7\r\nheight=6\r\ncolumn3=40000\r\n",
     "*", 1},
};

TEST(SettingsTest, IntakeSettings)
{
    for (const IntakeCase& c : kIntakeCases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        PutSettings(folder, c.ini);
        const IntakeSettings read = ReadIntake();
        EXPECT_STREQ(c.ext, read.extText);
        EXPECT_EQ(c.recurse, read.recurse);
        EXPECT_EQ(c.kept == nullptr, read.recurseTaken && read.extTaken);
        WindowSettings window = {};
        ReadWindowSettings(window);
        EXPECT_EQ(c.frameTaken, window.frameTaken);
        EXPECT_EQ(c.column3, window.columns[2]);
        if (c.kept == nullptr) continue;
        SaveIntakeSettings(read.extText, read.recurse, read);
        EXPECT_NE(ReadFileBytes(folder.Join(kSettingsName)).find(c.kept), std::string::npos);
        // Once the user changed the control, its value is written.
        SaveIntakeSettings("changed", 0, read);
        EXPECT_STREQ("changed", ReadIntake().extText);
        EXPECT_EQ(0, ReadIntake().recurse);
    }
}

struct SaveCase {
    const char* name;
    const char* ini;
    const char* ext;
    int recurse;
    int recurseReadBack;
};

const SaveCase kSaveCases[] = {
    {"first close creates the file", nullptr, "*", 1, 1},
    {"any nonzero flag is written as 1", "[設定]\r\next=*\r\nIsDir=2\r\n", "txt;jpg", 2, 1},
    {"off and an empty filter", "[設定]\r\next=txt\r\nIsDir=1\r\n", "", 0, 0},
    {"Shift-JIS filter", nullptr, "表;ソ", 1, 1},
};

TEST(SettingsTest, SaveIntakeSettingsReadsBackAsWritten)
{
    for (const SaveCase& c : kSaveCases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        PutSettings(folder, c.ini);
        Close(c.ext, c.recurse);
        EXPECT_TRUE(FileExists(folder.Join(kSettingsName)));
        const IntakeSettings read = ReadIntake();
        EXPECT_STREQ(c.ext, read.extText);
        EXPECT_EQ(c.recurseReadBack, read.recurse);
    }
}

TEST(SettingsTest, FirstCloseWritesOnlyTheIntakeSection)
{
    TempProgramFolder folder;
    Close("*", 1);
    const std::string bytes = ReadFileBytes(folder.Join(kSettingsName));
    EXPECT_NE(std::string::npos, bytes.find("[設定]"));
    EXPECT_NE(std::string::npos, bytes.find("ext=*"));
    EXPECT_NE(std::string::npos, bytes.find("IsDir=1"));
    EXPECT_EQ(std::string::npos, bytes.find("タグ括弧"));
}

TEST(SettingsTest, CloseKeepsOtherSectionsAndKeys)
{
    TempProgramFolder folder;
    PutSettings(folder,
                "[タグ括弧]\r\ntag1=【\r\ntag2=】\r\naddtag1=ソ\r\naddtag2=表\r\n"
                "[設定]\r\next=txt\r\nIsDir=0\r\nother=表示\r\n"
                "[その他]\r\nkey=value\r\n[ウィンドウ]\r\nwidth=abc\r\n");
    Close("jpg;png", 1);
    // The window section is written whole over what it held, and reads back as written.
    SaveWindowSettings(WindowSettings{-20, 30, 640, 480, true, {0, 320, 300, 50}});
    WindowSettings w = {};
    ReadWindowSettings(w);
    EXPECT_EQ((std::vector<int>{-20, 30, 640, 480, 1, 0, 320, 300, 50}),
              (std::vector<int>{w.x, w.y, w.width, w.height, w.frameTaken, w.columns[0], w.columns[1], w.columns[2],
                                w.columns[3]}));

    char opening[1024] = {};
    char closing[1024] = {};
    ReadBracketSettings(opening, closing);
    EXPECT_STREQ("【", opening);
    EXPECT_STREQ("】", closing);
    char before[1024] = {};
    char after[1024] = {};
    ReadAddBrackets(before, after);
    EXPECT_STREQ("ソ", before);
    EXPECT_STREQ("表", after);

    const std::string bytes = ReadFileBytes(folder.Join(kSettingsName));
    EXPECT_NE(std::string::npos, bytes.find("other=表示"));
    EXPECT_NE(std::string::npos, bytes.find("[その他]"));
    EXPECT_NE(std::string::npos, bytes.find("key=value"));
    EXPECT_NE(std::string::npos, bytes.find("ext=jpg;png"));
    EXPECT_NE(std::string::npos, bytes.find("IsDir=1"));
    EXPECT_EQ(std::string::npos, bytes.find("ext=txt"));
    EXPECT_EQ(std::string::npos, bytes.find("IsDir=0"));
}

TEST(SettingsTest, HandEditsApplyAtTheNextRead)
{
    TempProgramFolder folder;
    PutSettings(folder, "[タグ括弧]\r\naddtag1=<\r\n");
    char before[1024] = {};
    char after[1024] = {};
    ReadAddBrackets(before, after);
    EXPECT_STREQ("<", before);
    // Rewritten with a different size, so a cached copy would be told apart from the file.
    PutSettings(folder, "[タグ括弧]\r\naddtag1=【【\r\n");
    ReadAddBrackets(before, after);
    EXPECT_STREQ("【【", before);
}

}  // namespace
