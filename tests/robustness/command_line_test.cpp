// Command lines as Explorer or a user may hand them over: very long, badly quoted, cut in the middle of
// a character, paths at the length limits, and names whose second bytes are '[', '\' and ']'.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/path_intake.h"
#include "support/dialog_fixture.h"
#include "support/files.h"
#include "support/list_texts.h"
#include "support/temp_folder.h"
#include "text/text_buffer.h"

namespace {

// A path of exactly length characters under folder, ending in ".txt".
std::string PathOfLength(const std::string& folder, std::size_t length)
{
    std::string path = folder + "\\";
    while (path.size() + 4 < length) path += (path.size() % 50 == 49) ? '\\' : 'p';
    return path + ".txt";
}

struct TextCase {
    const char* what;
    std::string text;
    std::vector<std::string> rows;
};

// Every path the table names is there, so what is left out is left out by the rule of names and paths.
TEST(CommandLine, ShapesOfTextGiveTheRowsTheyName)
{
    TempProgramFolder program;
    const std::string t = program.Path();
    const std::string longest = PathOfLength(t, 259);
    for (const std::string& path : {t + "\\My Docs\\a.txt", t + "\\b.txt", t + "\\c.txt", t + "\\d.txt", longest}) {
        ASSERT_TRUE(MakeFolder(path.substr(0, path.rfind('\\'))) && WriteFileBytes(path, "x")) << path.size();
    }
    const TextCase cases[] = {
        {"unbalanced quote runs to the end", "\"" + t + "\\My Docs\\a.txt " + t + "\\b.txt", {}},
        {"quote inside a token belongs to it, and no name holds one",
         t + "\\a\"b.txt \"" + t + "\\c.txt\"\"" + t + "\\d.txt\"",
         {t + "\\c.txt", t + "\\d.txt"}},
        {"an element ending in a dot", t + "\\dir.\\a.txt " + t + "\\b.txt", {t + "\\b.txt"}},
        {"a name ending in a blank", "\"" + t + "\\a.txt \" " + t + "\\b.txt.", {}},
        {"dot elements resolve", t + "\\x\\..\\.\\b.txt", {t + "\\b.txt"}},
        {"a stream of a file", t + "\\b.txt:v2 " + t + "\\b.txt::$DATA", {}},
        {"the long form of a path is one file with the plain one", "\\\\?\\" + t + "\\b.txt " + t + "\\b.txt", {t + "\\b.txt"}},
        {"a path naming nothing", t + "\\missing.txt", {}},
        {"only blanks and quotes name nothing", " \t\r\n \"", {}},
        {"259 characters", longest, {longest}},
        {"1024 bytes is skipped, the next path taken", PathOfLength(t, 1024) + " " + t + "\\b.txt", {t + "\\b.txt"}},
    };
    for (const TextCase& c : cases) {
        MemoryFileList list;
        IntakeText(list, c.text);
        EXPECT_EQ(ColumnTexts(list, kColumnLocation), c.rows) << c.what;
    }
}

TEST(CommandLine, ThirtyThousandBytesOfPathsListEveryFileOnce)
{
    TempProgramFolder program;
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; text.size() < 30000; ++i) {
        const std::string path = program.Join("files " + std::to_string(i % 700) + ".txt");
        if (i < 700) {
            ASSERT_TRUE(WriteFileBytes(path, "x"));
            expected.push_back(path);
        }
        text += "\"" + path + "\" ";
    }
    ASSERT_GE(text.size(), 30000u);
    DialogUnderTest dialog(text.c_str());
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnLocation), expected);
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 " + std::to_string(expected.size()) + "件");
    EXPECT_EQ(dialog.Close(), 0);
}

// Every character of code page 932 whose second byte is 0x5B, 0x5C or 0x5D (duplicates that the
// platform maps to another code left out).
std::vector<std::string> CharactersWithBracketOrSeparatorTrail()
{
    std::vector<std::string> characters;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        for (int trail : {0x5B, 0x5C, 0x5D}) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t wide[2] = {};
            char back[4] = {};
            // Only characters that come back as themselves can name a file: the file system keeps UTF-16.
            if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) == 1 &&
                WideCharToMultiByte(932, 0, wide, 1, back, sizeof back, nullptr, nullptr) == 2 && back[0] == bytes[0] &&
                back[1] == bytes[1]) {
                characters.push_back(std::string(bytes, 2));
            }
        }
    }
    return characters;
}

TEST(CommandLine, NamesWithBracketAndSeparatorTrailBytesAreListedTaggedAndUntagged)
{
    TempProgramFolder program;
    const std::string folder = program.Join("files");
    ASSERT_TRUE(MakeFolder(folder));
    std::vector<std::string> names;
    std::string text;
    for (const std::string& character : CharactersWithBracketOrSeparatorTrail()) {
        const std::string name = character + "x" + character + ".txt";
        if (!WriteFileBytes(folder + "\\" + name, name)) continue;  // not every character can name a file
        names.push_back(name);
        text += "\"" + folder + "\\" + name + "\" ";
    }
    ASSERT_GT(names.size(), 100u);

    DialogUnderTest dialog(text.c_str());
    ASSERT_EQ(ColumnTexts(dialog.Window(), kColumnName), names);
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "表");
    ClickButton(dialog.Window(), IDC_ADD_BUTTON);
    std::vector<std::string> tagged;
    for (const std::string& name : names) tagged.push_back("[表]" + name);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), tagged);
    for (const std::string& name : tagged)
        EXPECT_EQ(ReadFileBytes(folder + "\\" + name), name.substr(std::string("[表]").size()));

    ClickButton(dialog.Window(), IDC_DELETE_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), names);
    for (const std::string& name : names) EXPECT_EQ(ReadFileBytes(folder + "\\" + name), name);
    EXPECT_EQ(dialog.Close(), 0);
}

}  // namespace
