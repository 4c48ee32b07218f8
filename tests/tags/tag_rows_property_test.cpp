// Add then Delete over random Shift-JIS names and tags: no file is ever lost, duplicated, moved
// to another folder or changed, and every name comes back.
#include "tags/tag_rows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/core/memory_file_list.h"
#include "support/files.h"
#include "support/list_texts.h"
#include "support/temp_folder.h"
#include "tags/tag_commands.h"
#include "text/text_buffer.h"

namespace {

// Characters of names: letters, digits, signs, brackets of both sets, and double-byte characters
// whose second byte is '[', '\' or ']' (ー ソ ゾ 表 能), or looks like a letter (ア ヂ).
const std::vector<std::string> kNameChars = {"a",  "B",  "c",  "x",  "Z",  "0",  "7",  "-",  "_",  ".",
                                             " ",  "[",  "]",  "(",  ")",  "{",  "}",  "【", "】", "「",
                                             "」", "ー", "ソ", "ゾ", "表", "能", "ア", "ヂ", "漢", "字"};
// Characters of tags: no closing bracket (it would end the tag) and no separator.
const std::vector<std::string> kTagChars = {"M", "e",  "m",  "o",  "Q",  "1",  " ", "[",
                                            "(", "ソ", "ゾ", "ー", "表", "タ", "グ"};

std::string FoldAscii(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 0x20);
    }
    return folded;
}

bool IsBlank(const std::string& c)
{
    return c == " ";
}

// A random text of 1 to maxChars characters that neither starts nor ends with a blank.
std::string RandomText(std::mt19937& random, const std::vector<std::string>& chars, int maxChars)
{
    std::uniform_int_distribution<int> length(1, maxChars);
    std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
    std::vector<std::string> picked;
    int n = length(random);
    while (static_cast<int>(picked.size()) < n) {
        const std::string& c = chars[pick(random)];
        bool atEnd = picked.empty() || static_cast<int>(picked.size()) == n - 1;
        if (atEnd && IsBlank(c)) continue;
        picked.push_back(c);
    }
    std::string text;
    for (const std::string& c : picked) text += c;
    return text;
}

// The files of a folder, name to content.
std::map<std::string, std::string> FolderContents(const std::string& folder)
{
    std::map<std::string, std::string> files;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            files[entry.cFileName] = ReadFileBytes(folder + "\\" + entry.cFileName);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return files;
}

struct Listed {
    std::string folder;
    std::string name;
    bool excluded;
};

TEST(TagRowsPropertyTest, AddThenDeleteGivesEveryFileBack)
{
    TempProgramFolder program;
    std::mt19937 random(20240607);
    const char* folderNames[] = {"plain", "[Memo]", "ソ表"};

    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::string tag = RandomText(random, kTagChars, 6);
        std::string foldedTag = FoldAscii(tag);

        MemoryFileList list;
        std::vector<Listed> rows;
        std::map<std::string, std::map<std::string, std::string>> expected;  // folder -> files
        std::vector<std::string> folders;
        for (const char* f : folderNames) {
            std::string folder = program.Join("r" + std::to_string(round) + f);
            ASSERT_TRUE(MakeFolder(folder));
            folders.push_back(folder);
            std::set<std::string> taken;  // the file system ignores the case of ASCII letters
            for (int i = 0; i < 25; ++i) {
                // The extension keeps names from ending in a dot, which the file system drops.
                std::string name = RandomText(random, kNameChars, 12) + ".txt";
                // A name that already holds the tag text would lose it to Delete, and one starting with a dot
                // could not be hidden again.
                if (FoldAscii(name).find(foldedTag) != std::string::npos || name[0] == '.') continue;
                if (!taken.insert(FoldAscii(name)).second) continue;
                std::string content = "content of " + name + " in " + f;
                ASSERT_TRUE(WriteFileBytes(folder + "\\" + name, content)) << name;
                expected[folder][name] = content;
                bool excluded = random() % 5 == 0;
                AppendFileRow(list, (folder + "\\" + name).c_str());
                if (excluded) list.SetStateImage(list.RowCount() - 1, 2);
                rows.push_back({folder, name, excluded});
                // Now and then the tagged name is taken already: that rename must fail.
                if (!excluded && random() % 6 == 0) {
                    std::string blocker = "[" + tag + "]" + name;
                    if (taken.insert(FoldAscii(blocker)).second) {
                        ASSERT_TRUE(WriteFileBytes(folder + "\\" + blocker, "blocker"));
                        expected[folder][blocker] = "blocker";
                    }
                }
            }
        }

        ClearResults(list, list.RowCount());
        TagBrackets brackets;
        ReadTagBrackets(brackets);
        int added = AddTagToRows(list, tag.c_str(), brackets);
        int failed = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Listed& row = rows[i];
            std::string mark = CellText(list, static_cast<int>(i), kColumnResult);
            std::string name = CellText(list, static_cast<int>(i), kColumnName);
            SCOPED_TRACE(row.name);
            if (row.excluded) {
                EXPECT_EQ(mark, "");
                EXPECT_EQ(name, row.name);
            } else if (mark == "失敗") {
                ++failed;
                EXPECT_EQ(name, row.name);
                EXPECT_EQ(expected[row.folder].count("[" + tag + "]" + row.name), 1u);
            } else {
                EXPECT_EQ(mark, "完");
                EXPECT_EQ(name, "[" + tag + "]" + row.name);
            }
            EXPECT_EQ(CellText(list, static_cast<int>(i), kColumnLocation), row.folder + "\\" + name);
        }
        int processed = 0;
        for (const Listed& row : rows) processed += row.excluded ? 0 : 1;
        EXPECT_EQ(added, processed - failed);

        ClearResults(list, list.RowCount());
        std::string otherCase = tag;
        for (char& c : otherCase) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
        }
        EXPECT_EQ(DeleteTagFromRows(list, otherCase.c_str(), brackets), added);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(CellText(list, static_cast<int>(i), kColumnLocation), rows[i].folder + "\\" + rows[i].name);
        }
        for (const std::string& folder : folders) {
            EXPECT_EQ(FolderContents(folder), expected[folder]) << folder;
        }
    }
}

}  // namespace
