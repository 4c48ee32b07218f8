// Hand-edited or damaged ".\設定.ini" and ".\タグ.txt": the program starts and closes in bounded time,
// nothing is written past a buffer, a tag never moves a file out of its folder, and the history only grows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "store/settings.h"
#include "store/tag_history.h"
#include "support/dialog_fixture.h"
#include "support/files.h"
#include "support/running_program.h"
#include "support/temp_folder.h"
#include "support/window_input.h"

namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kCloseLimit = 60000;

std::string Settings(const std::string& brackets, const std::string& intake)
{
    return "[タグ括弧]\r\n" + brackets + "[設定]\r\n" + intake;
}

struct HostileSettings {
    const char* what;
    std::string bytes;
};

std::vector<HostileSettings> HostileSettingsCases()
{
    const std::string longBrackets(5000, '[');
    const std::string longWide = [] {
        std::string text;
        for (int i = 0; i < 2500; ++i) text += "【";
        return text;
    }();
    return {
        {"5,000-byte values",
         Settings("tag1=" + longBrackets + "\r\ntag2=" + longWide + "\r\naddtag1=" + longWide +
                      "\r\naddtag2=" + std::string(5000, ']') + "\r\n",
                  "ext=*" + std::string(4999, 'x') + "\r\nIsDir=" + std::string(5000, '9') + "\r\n")},
        {"overlapping bracket sets",
         Settings("tag1=[]【】\r\ntag2=][】【\r\naddtag1=]\r\naddtag2=[\r\n", "ext=txt\r\nIsDir=1\r\n")},
        {"lone lead bytes",
         Settings("tag1=[\x81\r\ntag2=]\x9F\r\naddtag1=\x81\r\naddtag2=\xE0\r\n", "ext=txt;\x81\r\nIsDir=\x81\r\n")},
        {"separators in the added brackets", Settings("addtag1=..\\\r\naddtag2=/\r\n", "ext=txt\r\nIsDir=1\r\n")},
    };
}

std::vector<std::string> BracketValues(const std::string& ini)
{
    std::vector<std::string> values;
    for (const char* key : {"tag1", "tag2", "addtag1", "addtag2"}) {
        std::vector<char> value(16384, '\0');
        GetPrivateProfileStringA("タグ括弧", key, "(absent)", value.data(), static_cast<DWORD>(value.size()),
                                 ini.c_str());
        values.push_back(value.data());
    }
    return values;
}

class HostileSettingsFile : public ::testing::TestWithParam<HostileSettings> {};

TEST_P(HostileSettingsFile, TheProgramStartsAndClosesWithZeroAndKeepsTheHandEditedSection)
{
    TempProgramFolder root;
    const std::string programFolder = root.Join("program");
    ASSERT_TRUE(MakeFolder(programFolder));
    ASSERT_TRUE(WriteFileBytes(programFolder + "\\設定.ini", GetParam().bytes));
    ASSERT_TRUE(WriteFileBytes(root.Join("[甲]a.txt"), "a"));

    // The bracket section is the user's: read back whole, it is what it was before the run.
    const std::string ini = programFolder + "\\設定.ini";
    const std::vector<std::string> before = BracketValues(ini);

    RunningProgram program(programFolder, "\"" + root.Join("[甲]a.txt") + "\"");
    ASSERT_TRUE(program.WaitForWindow(kStartLimit)) << GetParam().what;
    EXPECT_EQ(program.CloseAndWait(kCloseLimit), 0) << GetParam().what;
    EXPECT_EQ(BracketValues(ini), before) << GetParam().what;
    EXPECT_TRUE(FileExists(root.Join("[甲]a.txt")));
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileSettingsFile, ::testing::ValuesIn(HostileSettingsCases()));

// Each read lands in a 1024-byte buffer followed by guard bytes that must stay as they were.
struct GuardedValue {
    char value[1024];
    char guard[64];
};

bool GuardIntact(const GuardedValue& buffer)
{
    for (char byte : buffer.guard) {
        if (byte != '\x5A') return false;
    }
    return std::strlen(buffer.value) <= 1023;
}

TEST(HostileSettingsRead, LongValuesStayInsideTheirBuffers)
{
    for (const HostileSettings& settings : HostileSettingsCases()) {
        TempProgramFolder program;
        ASSERT_TRUE(WriteFileBytes(program.Join("設定.ini"), settings.bytes));
        GuardedValue values[4];
        std::memset(values, 0x5A, sizeof values);
        ReadBracketSettings(values[0].value, values[1].value);
        ReadAddBrackets(values[2].value, values[3].value);
        struct {
            IntakeSettings intake;
            char guard[64];
        } ext;
        std::memset(&ext, 0x5A, sizeof ext);
        ReadIntakeSettings(ext.intake);
        // Taken here, once a run, so that no later dialog of this process shows it.
        const std::string notice = TakeSettingsNotice();
        EXPECT_EQ(settings.bytes.size() > 5000, notice.find("ext の値が長すぎる") != std::string::npos);
        for (const GuardedValue& value : values) EXPECT_TRUE(GuardIntact(value)) << settings.what;
        EXPECT_EQ(std::string(sizeof ext.guard, '\x5A'), std::string(ext.guard, sizeof ext.guard)) << settings.what;
        EXPECT_LE(std::strlen(ext.intake.extText), 1023u) << settings.what;
    }
}

// Added brackets that a name cannot hold would move the file or fail on every row, and brackets the sets cannot
// read back would write a tag no later Add sees and no Delete takes away: Add is refused before any rename,
// with one box that names the setting and its file.
TEST(HostileSettingsAdd, AddedBracketsANameCannotHoldAreRefusedBeforeAnyRename)
{
    const char* const added[][2] = {{"..\\", "]"}, {"sub/", "]"}, {"C:", "]"}, {"\\\\", "]"}, {"<", "]"},
                                    {"a\tb", "]"}, {"《", "》"},  {"★[", "]"}, {"[[", "]"},   {"]", "["}};
    for (const auto& pair : added) {
        const char* before = pair[0];
        TempProgramFolder program;
        ASSERT_TRUE(MakeFolder(program.Join("files\\sub")));
        ASSERT_TRUE(WriteFileBytes(
            program.Join("設定.ini"),
            Settings(std::string("addtag1=") + before + "\r\naddtag2=" + pair[1] + "\r\n", "ext=*\r\n")));
        const std::string file = program.Join("files\\表.txt");
        ASSERT_TRUE(WriteFileBytes(file, "x"));
        DialogUnderTest dialog(("\"" + file + "\"").c_str());
        SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
        MessageBoxAnswers boxes;
        ClickButton(dialog.Window(), IDC_ADD_BUTTON);
        const std::vector<std::wstring> told = boxes.Texts();
        ASSERT_EQ(told.size(), 1u) << before;
        EXPECT_NE(told[0].find(L"設定.ini の addtag1"), std::wstring::npos) << before;
        EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>{""}) << before;
        EXPECT_EQ(FolderNames(program.Join("files")), (std::vector<std::string>{"sub", "表.txt"})) << before;
        EXPECT_FALSE(FileExists(program.Join("Memo]表.txt"))) << before;
        EXPECT_FALSE(FileExists(program.Join("タグ.txt"))) << before;
    }
}

struct HostileHistory {
    const char* what;
    std::string bytes;
};

std::vector<HostileHistory> HostileHistoryCases()
{
    std::string binary;
    for (int round = 0; round < 4; ++round) {
        for (int byte = 0; byte < 256; ++byte) {
            binary.push_back(static_cast<char>(byte));
            if (byte % 37 == 0) binary += "\r\n";
        }
    }
    std::string manyLines;
    for (int line = 0; line < 100000; ++line) {
        char text[32];
        std::snprintf(text, sizeof text, "tag%06d\r\n", line);
        manyLines += text;
    }
    std::string megabyteLine = "short\r\n" + std::string(1 << 20, 'x') + "\r\nlast\r\n";
    for (std::size_t i = 1021; i < megabyteLine.size() - 8; i += 1500) megabyteLine[i] = '\x95';  // lead byte
    return {{"binary bytes and NULs", binary}, {"100,000 lines", manyLines}, {"a 1 MB line", megabyteLine}};
}

class HostileHistoryFile : public ::testing::TestWithParam<HostileHistory> {};

TEST_P(HostileHistoryFile, TheProgramStartsAndClosesInBoundedTimeAndTheHistoryOnlyGrows)
{
    TempProgramFolder root;
    const std::string programFolder = root.Join("program");
    ASSERT_TRUE(MakeFolder(programFolder));
    const std::string history = programFolder + "\\タグ.txt";
    ASSERT_TRUE(WriteFileBytes(history, GetParam().bytes));
    ASSERT_TRUE(WriteFileBytes(root.Join("[新しい]a.txt"), "a"));

    RunningProgram program(programFolder, "\"" + root.Join("[新しい]a.txt") + "\"");
    ASSERT_TRUE(program.WaitForWindow(kStartLimit)) << GetParam().what;
    EXPECT_EQ(program.ItemText(IDC_COUNT_LABEL), "合計 1件");
    EXPECT_EQ(program.CloseAndWait(kCloseLimit), 0) << GetParam().what;

    const std::string after = ReadFileBytes(history);
    ASSERT_GE(after.size(), GetParam().bytes.size()) << GetParam().what;
    EXPECT_EQ(after.compare(0, GetParam().bytes.size(), GetParam().bytes), 0) << GetParam().what;
    // The one tag of the listed name is what the close adds.
    EXPECT_NE(after.find("\r\n新しい\r\n", GetParam().bytes.size() - 2), std::string::npos) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileHistoryFile, ::testing::ValuesIn(HostileHistoryCases()));

TEST(HostileHistoryRead, EveryPieceOfALongLineStaysInsideItsBuffer)
{
    TempProgramFolder program;
    ASSERT_TRUE(WriteFileBytes(program.Join("タグ.txt"), HostileHistoryCases()[2].bytes));
    std::FILE* stream = std::fopen("タグ.txt", "rt");
    ASSERT_TRUE(stream);
    GuardedValue line;
    std::memset(&line, 0x5A, sizeof line);
    std::size_t pieces = 0;
    while (ReadHistoryLine(stream, line.value)) {
        ++pieces;
        ASSERT_TRUE(GuardIntact(line)) << "piece " << pieces;
        ASSERT_LE(std::strlen(line.value), 1022u);
    }
    std::fclose(stream);
    EXPECT_EQ(pieces, 2u + ((1u << 20) + 1021u) / 1022u);
}

}  // namespace
