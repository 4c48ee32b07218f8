// The Add and Delete batches over an in-memory list, renaming real files in a temporary folder.
#include "tags/tag_rows.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/core/name_key.h"
#include "support/files.h"
#include "support/list_texts.h"
#include "support/temp_folder.h"
#include "tags/tag_commands.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"
#include "tags/undo_record.h"
#include "tags/volume_file_ids.h"

namespace {

int Undo(FileListOps& list, const char*, const TagBrackets&)
{
    return UndoLastBatch(list);
}

const char kHistory[] = "タグ.txt";
const char kDone[] = "完";
const char kFailed[] = "失敗";

class TagRowsTest : public ::testing::Test {
protected:
    // Creates folder\name holding its own name as content and lists it. Returns the row.
    int ListNewFile(const std::string& folder, const std::string& name)
    {
        EXPECT_TRUE(WriteFileBytes(folder + "\\" + name, name)) << name;
        return ListLocation(folder + "\\" + name);
    }

    int ListLocation(const std::string& location)
    {
        AppendFileRow(list, location.c_str());
        return list.RowCount() - 1;
    }

    // The row names folder\name, with the given result, and that file holds originalName as content.
    void ExpectRow(int row, const std::string& folder, const std::string& name, const std::string& mark,
                   const std::string& originalName)
    {
        EXPECT_EQ(CellText(list, row, kColumnName), name);
        EXPECT_EQ(CellText(list, row, kColumnLocation), folder + "\\" + name);
        EXPECT_EQ(CellText(list, row, kColumnResult), mark);
        EXPECT_EQ(list.GetKey(row), NameKey(name.c_str()));
        EXPECT_EQ(ReadFileBytes(folder + "\\" + name), originalName);
        if (name != originalName) {
            EXPECT_FALSE(FileExists(folder + "\\" + originalName));
        }
    }

    using Command = int (*)(FileListOps&, const char*, const TagBrackets&);
    // Once a command, as a button reads them.
    int Run(Command command, const std::string& tag)
    {
        ClearResults(list, list.RowCount());
        TagBrackets brackets;
        ReadTagBrackets(brackets);
        return command(list, tag.c_str(), brackets);
    }

    std::string NewFolder(const std::string& name)
    {
        std::string folder = program.Join(name);
        EXPECT_TRUE(MakeFolder(folder));
        return folder;
    }

    TempProgramFolder program;
    MemoryFileList list;
};

struct RenameCase {
    const char* what;
    const char* name;
    const char* tag;
    const char* expected;  // the name afterwards
    const char* mark;
    const char* folderBeside = nullptr;  // made beside the file first, so a separator would lead somewhere
};

const std::vector<RenameCase> kAddCases = {
    {"plain name", "a.txt", "Memo", "[Memo]a.txt", kDone},
    {"tagged in another case", "[memo]a.txt", "Memo", "[memo]a.txt", ""},
    {"tagged in other brackets", "(MEMO)b.txt", "Memo", "(MEMO)b.txt", ""},
    {"tag at the end", "x[Memo].txt", "Memo", "x[Memo].txt", ""},
    {"tag second", "[Old][Memo]c.txt", "Memo", "[Old][Memo]c.txt", ""},
    {"tag in full-width brackets", "【memo】d.txt", "Memo", "【memo】d.txt", ""},
    {"an empty tag is passed over", "[]a[Memo].txt", "Memo", "[]a[Memo].txt", ""},
    {"a numbered name", "1) intro [Memo].txt", "Memo", "1) intro [Memo].txt", ""},
    {"a full-width numbered name", "01）議事録[Memo].docx", "Memo", "01）議事録[Memo].docx", ""},
    {"blanks inside the brackets", "[ Memo ]b.txt", "Memo", "[ Memo ]b.txt", ""},
    {"blank before the name", " a.txt", "Memo", "[Memo] a.txt", kDone},
    {"full-width letters differ", "[Ｍｅｍｏ]a.txt", "Memo", "[Memo][Ｍｅｍｏ]a.txt", kDone},
    {"second byte 0x5B", "ゲーム.txt", "Memo", "[Memo]ゲーム.txt", kDone},
    {"second byte 0x5C", "ソ表.txt", "Memo", "[Memo]ソ表.txt", kDone},
    {"second byte 0x5D", "ゾ.txt", "Memo", "[Memo]ゾ.txt", kDone},
    {"tag with second byte 0x5C", "a.txt", "ソフト", "[ソフト]a.txt", kDone},
    {"already tagged, second byte 0x5D before ']'", "[ゾ]a.txt", "ゾ", "[ゾ]a.txt", ""},
    {"kana differing in a letter-like second byte", "[タバ]a.txt", "タグ", "[タグ][タバ]a.txt", kDone},
    {"backslash in the tag", "a.txt", "x\\y", "a.txt", kFailed, "[x"},
    {"slash in the tag", "a.txt", "x/y", "a.txt", kFailed, "[x"},
    {"climbing out in the tag", "a.txt", "..\\..\\y", "a.txt", kFailed, "[.."},
    {"colon in the tag", "a.txt", "x:y", "a.txt", kFailed},
};

const std::vector<RenameCase> kDeleteCases = {
    {"tag and blank", "[Memo] a.txt", "Memo", "a.txt", kDone},
    {"full-width brackets, other case", "【memo】a.txt", "Memo", "a.txt", kDone},
    {"no tag", "a.txt", "Memo", "a.txt", ""},
    {"reversed pair first", "x)y[Memo].txt", "Memo", "x)y.txt", kDone},
    {"blanks inside the brackets", "[ Memo ]b.txt", "Memo", "b.txt", kDone},
    {"a full-width blank inside", "[　メモ]c.txt", "メモ", "c.txt", kDone},
    {"tag at the end", "report [MEMO].txt", "memo", "report .txt", kDone},
    {"every occurrence", "【Memo】(memo)x.txt", "Memo", "x.txt", kDone},
    {"brackets do not nest", "[[Memo]]x.txt", "Memo", "[[Memo]]x.txt", ""},
    {"second bytes 0x5C and 0x5D", "[ゾ]ソ[Memo].txt", "Memo", "[ゾ]ソ.txt", kDone},
    {"kana tag", "[ソフト]表.txt", "ソフト", "表.txt", kDone},
    {"only the extension left, a hidden name", "[Memo].txt", "Memo", "[Memo].txt", kFailed},
    {"nothing left", "[Memo]", "Memo", "[Memo]", kFailed},
    {"only blanks left", "[Memo]　(memo)", "Memo", "[Memo]　(memo)", kFailed},
};

class TagRowsTableTest : public TagRowsTest {
protected:
    // Each case in a folder of its own, so names never meet.
    void RunTable(const std::vector<RenameCase>& cases, Command command)
    {
        int index = 0;
        for (const RenameCase& c : cases) {
            SCOPED_TRACE(c.what);
            RemoveAllRows(list);
            std::string folder = NewFolder("case" + std::to_string(index++));
            if (c.folderBeside) {
                ASSERT_TRUE(MakeFolder(folder + "\\" + c.folderBeside));
            }
            int row = ListNewFile(folder, c.name);
            bool renamed = std::string(c.mark) == kDone;
            EXPECT_EQ(Run(command, c.tag), renamed ? 1 : 0);
            ExpectRow(row, folder, c.expected, c.mark, c.name);
            EXPECT_EQ(Run(Undo, ""), renamed ? 1 : 0);
            ExpectRow(row, folder, c.name, renamed ? kDone : "", c.name);
        }
    }
};

}  // namespace

// The core's file-name search stands in for PathFindFileNameA wherever names are read from locations;
// under code page 932 both must find the same name. ソ and 表 end in the byte 0x5C.
TEST(FindFileNamePart, FindsWhatThePlatformFinds)
{
    const char* paths[] = {
        "C:\\dir\\a.txt",
        "a.txt",
        "dir\\\x83\x5C.txt",
        "d\\a\x83\x5C"
        "b",
        "\x95\x5C\\x",
        "\x95\x5C\x83\x5C.txt",
        "C:a.txt",
        "dir\\",
        "a\\\\b",
        "a/b",
        "\\\\server\\share",
        "",
        "C:\\d\\[t1][\x95\x5C]x.txt",
    };
    for (const char* path : paths) {
        EXPECT_EQ(FindFileNamePart(path), PathFindFileNameA(path)) << path;
    }
}

TEST_F(TagRowsTableTest, AddRenamesOnlyRowsWithoutTheTag)
{
    RunTable(kAddCases, AddTagToRows);
}

TEST_F(TagRowsTableTest, DeleteRemovesEveryOccurrence)
{
    RunTable(kDeleteCases, DeleteTagFromRows);
}

TEST_F(TagRowsTest, TagInTheFolderNameDoesNotCount)
{
    std::string folder = NewFolder("[Memo]");
    int row = ListNewFile(folder, "a.txt");
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 1);
    ExpectRow(row, folder, "[Memo]a.txt", kDone, "a.txt");
    EXPECT_EQ(Run(DeleteTagFromRows, "Memo"), 1);
    ExpectRow(row, folder, "a.txt", kDone, "a.txt");
    EXPECT_TRUE(FolderExists(folder));
}

TEST_F(TagRowsTest, ExistingTargetIsNeverReplaced)
{
    std::string folder = NewFolder("files");
    ASSERT_TRUE(WriteFileBytes(folder + "\\[Memo]a.txt", "other"));
    int row = ListNewFile(folder, "a.txt");
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 0);
    ExpectRow(row, folder, "a.txt", kFailed, "a.txt");
    EXPECT_EQ(ReadFileBytes(folder + "\\[Memo]a.txt"), "other");
    EXPECT_FALSE(FileExists(program.Join(kHistory)));
}

TEST_F(TagRowsTest, DeleteOntoAnExistingNameFails)
{
    std::string folder = NewFolder("files");
    ASSERT_TRUE(WriteFileBytes(folder + "\\a.txt", "other"));
    int row = ListNewFile(folder, "[Memo]a.txt");
    EXPECT_EQ(Run(DeleteTagFromRows, "Memo"), 0);
    ExpectRow(row, folder, "[Memo]a.txt", kFailed, "[Memo]a.txt");
    EXPECT_EQ(ReadFileBytes(folder + "\\a.txt"), "other");
}

TEST_F(TagRowsTest, VanishedFileFails)
{
    std::string folder = NewFolder("files");
    int row = ListLocation(folder + "\\gone.txt");
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 0);
    EXPECT_EQ(CellText(list, row, kColumnResult), kFailed);
    EXPECT_EQ(CellText(list, row, kColumnLocation), folder + "\\gone.txt");
    EXPECT_FALSE(FileExists(folder + "\\[Memo]gone.txt"));
}

TEST_F(TagRowsTest, FolderAtARowsLocationIsNeverRenamed)
{
    std::string files = NewFolder("files");
    std::string plain = NewFolder("files\\sub");
    int row = ListLocation(plain);
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 0);
    EXPECT_EQ(CellText(list, row, kColumnResult), kFailed);
    EXPECT_TRUE(FolderExists(plain));
    EXPECT_FALSE(FolderExists(files + "\\[Memo]sub"));

    RemoveAllRows(list);
    RemoveTree(plain);
    std::string tagged = NewFolder("files\\[Memo]sub");
    row = ListLocation(tagged);
    EXPECT_EQ(Run(DeleteTagFromRows, "Memo"), 0);
    EXPECT_EQ(CellText(list, row, kColumnResult), kFailed) << "the file the row lists is gone: no nothing-to-do";
    EXPECT_TRUE(FolderExists(tagged));
    EXPECT_FALSE(FileExists(program.Join(kHistory)));
}

TEST_F(TagRowsTest, ExcludedRowsAreUntouched)
{
    std::string folder = NewFolder("files");
    const char* names[] = {"a.txt", "[Memo]b.txt", "c.txt"};
    const int states[] = {2, 0, 3};
    for (int i = 0; i < 3; ++i) {
        ListNewFile(folder, names[i]);
        list.SetStateImage(i, states[i]);
    }
    for (Command command : {AddTagToRows, DeleteTagFromRows}) {
        EXPECT_EQ(Run(command, "Memo"), 0);
        for (int i = 0; i < 3; ++i) {
            ExpectRow(i, folder, names[i], "", names[i]);
            EXPECT_EQ(list.GetStateImage(i), states[i]);
        }
    }
    EXPECT_FALSE(FileExists(program.Join(kHistory)));
}

TEST_F(TagRowsTest, OneFailureInThreeStillRecordsTheTagOnce)
{
    std::string folder = NewFolder("files");
    ASSERT_TRUE(WriteFileBytes(folder + "\\[Memo]b.txt", "other"));
    ListNewFile(folder, "a.txt");
    ListNewFile(folder, "b.txt");
    ListNewFile(folder, "c.txt");
    list.SetStateImage(2, 1);

    EXPECT_EQ(Run(AddTagToRows, "Memo"), 2);
    ExpectRow(0, folder, "[Memo]a.txt", kDone, "a.txt");
    ExpectRow(1, folder, "b.txt", kFailed, "b.txt");
    ExpectRow(2, folder, "[Memo]c.txt", kDone, "c.txt");
    EXPECT_EQ(ReadFileBytes(program.Join(kHistory)), "Memo\r\n");
}

TEST_F(TagRowsTest, SecondAddLeavesTaggedRowsUntouched)
{
    std::string folder = NewFolder("files");
    ListNewFile(folder, "a.txt");
    ListNewFile(folder, "ソ.txt");
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 2);
    EXPECT_EQ(Run(AddTagToRows, "memo"), 0);
    ExpectRow(0, folder, "[Memo]a.txt", "", "a.txt");
    ExpectRow(1, folder, "[Memo]ソ.txt", "", "ソ.txt");
    EXPECT_EQ(ReadFileBytes(program.Join(kHistory)), "Memo\r\n");
}

TEST_F(TagRowsTest, DeleteRecordsTheDeletedTag)
{
    std::string folder = NewFolder("files");
    int row = ListNewFile(folder, "[ソフト]a.txt");
    EXPECT_EQ(Run(DeleteTagFromRows, "ソフト"), 1);
    ExpectRow(row, folder, "a.txt", kDone, "[ソフト]a.txt");
    EXPECT_EQ(ReadFileBytes(program.Join(kHistory)), "ソフト\r\n");
}

TEST_F(TagRowsTest, TaggedLocationThatDoesNotFitFails)
{
    std::string folder = NewFolder("files");
    int row = ListNewFile(folder, "a.txt");
    std::string longTag(kTextBufferSize - folder.size() - 8, 'x');
    EXPECT_EQ(Run(AddTagToRows, longTag), 0);
    ExpectRow(row, folder, "a.txt", kFailed, "a.txt");

    // A location that itself nearly fills the buffer: the row keeps its texts.
    std::string location = folder + "\\" + std::string(kTextBufferSize - 1 - folder.size() - 1, 'n');
    RemoveAllRows(list);
    row = ListLocation(location);
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 0);
    EXPECT_EQ(CellText(list, row, kColumnResult), kFailed);
    EXPECT_EQ(CellText(list, row, kColumnLocation), location);
}

struct AddBracketCase {
    const char* what;
    const char* settings;  // the whole settings file
    const char* expected;
    const char* mark;
};

TEST_F(TagRowsTest, AddedBracketsComeFromTheSettings)
{
    const AddBracketCase cases[] = {
        {"lens brackets", "[タグ括弧]\r\naddtag1=【\r\naddtag2=】\r\n", "【Memo】a.txt", kDone},
        {"empty values", "[タグ括弧]\r\naddtag1=\r\naddtag2=\r\n", "[Memo]a.txt", kDone},
        {"climbing out of the folder", "[タグ括弧]\r\naddtag1=..\\\r\n", "a.txt", kFailed},
        {"a stream name", "[タグ括弧]\r\naddtag2=:s\r\n", "a.txt", kFailed},
    };
    int index = 0;
    for (const AddBracketCase& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileBytes(program.Join("設定.ini"), c.settings));
        RemoveAllRows(list);
        std::string folder = NewFolder("case" + std::to_string(index++));
        int row = ListNewFile(folder, "a.txt");
        Run(AddTagToRows, "Memo");
        ExpectRow(row, folder, c.expected, c.mark, "a.txt");
        EXPECT_FALSE(FileExists(program.Join("[Memoa.txt")));
        EXPECT_FALSE(FileExists(program.Join("Memo]a.txt")));
    }
}

TEST_F(TagRowsTest, BracketSetsFromTheSettingsDecideWhatIsATag)
{
    ASSERT_TRUE(WriteFileBytes(program.Join("設定.ini"), "[タグ括弧]\r\ntag1={\r\ntag2=}\r\n"));
    std::string folder = NewFolder("files");
    ListNewFile(folder, "[Memo]a.txt");
    ListNewFile(folder, "{memo}b.txt");
    EXPECT_EQ(Run(AddTagToRows, "Memo"), 1);
    ExpectRow(0, folder, "[Memo][Memo]a.txt", kDone, "[Memo]a.txt");
    ExpectRow(1, folder, "{memo}b.txt", "", "{memo}b.txt");
    EXPECT_EQ(Run(DeleteTagFromRows, "Memo"), 1);
    ExpectRow(0, folder, "[Memo][Memo]a.txt", "", "[Memo]a.txt");
    ExpectRow(1, folder, "b.txt", kDone, "{memo}b.txt");
}

namespace {

// Files unpacked from one archive: the same size and the same times, told apart by nothing else.
void ArchiveTimes(const std::string& path)
{
    const FILETIME time = {0x12345678, 0x01D9A000};
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(file != INVALID_HANDLE_VALUE && SetFileTime(file, &time, &time, &time)) << path;
    CloseHandle(file);
}

void MoveName(const std::string& folder, const char* from, const char* to)
{
    EXPECT_TRUE(MoveFileA((folder + "\\" + from).c_str(), (folder + "\\" + to).c_str())) << from;
}

// The same file as it stands, under another file ID, as FAT may give it on a rename to a longer name.
void GiveAnotherId(const std::string& f)
{
    EXPECT_TRUE(CopyFileA((f + "\\[Memo]a.txt").c_str(), (f + "\\x").c_str(), TRUE));
    ArchiveTimes(f + "\\x");
    RemoveTree(f + "\\[Memo]a.txt");
    MoveName(f, "x", "[Memo]a.txt");
}

// Every volume has the file system a case names; the roots asked for are kept.
const wchar_t* g_fileSystem = L"";
std::vector<std::wstring> g_rootsAsked;
bool NamedFileSystem(const wchar_t* root, wchar_t* name, std::size_t size)
{
    g_rootsAsked.push_back(root);
    return lstrcpynW(name, g_fileSystem, static_cast<int>(size)) != nullptr;
}

}  // namespace

TEST(VolumeRootOf, TakesAShareFromThePathText)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"\\\\srv\\share\\a.txt", L"\\\\srv\\share\\"}, {L"\\\\srv\\share", L"\\\\srv\\share\\"}, {L"\\\\srv\\", L""},
        {L"\\\\?\\C:\\a", L""}, {L"a.txt", L""}};
    for (auto [path, expected] : cases) {
        wchar_t root[MAX_PATH] = {L'x'};
        EXPECT_EQ(VolumeRootOf(path, root, MAX_PATH), *expected != L'\0') << path;
        EXPECT_STREQ(root, expected) << path;
    }
}

// a.txt and b.txt (one size, one time) get the tag; then something happens at a name of a.txt, or the rows are
// sorted and one is added (no change); then the undo puts back what it can. Where the file system keeps no file
// ID (FAT, exFAT, a share that names none), a file is told by its times and size alone: the file itself under
// another ID goes back, and so would a file of the same times and size put in its place.
TEST_F(TagRowsTest, UndoPutsBackOnlyTheFilesTheBatchRenamedAndNeverReplacesOne)
{
    struct UndoCase {
        const char* what;
        void (*change)(const std::string& folder);
        std::vector<std::string> names, marks;  // the rows afterwards
        const char *plainHolds, *taggedHolds, *bHolds;  // at a.txt, [Memo]a.txt and b.txt afterwards ("-": nothing)
        const wchar_t* fileSystem = L"NTFS";
    };
    const std::vector<std::string> aStays = {"[Memo]a.txt", "b.txt"}, aFailed = {kFailed, kDone};
    const std::vector<std::string> bothBack = {"a.txt", "b.txt"}, bothDone = {kDone, kDone};
    const UndoCase cases[] = {
        {"old name taken", [](const std::string& f) { WriteFileBytes(f + "\\a.txt", "x"); }, aStays, aFailed, "x",
         "a.txt", "b.txt"},
        {"file removed", [](const std::string& f) { RemoveTree(f + "\\[Memo]a.txt"); }, aStays, aFailed, "-", "-", "b.txt"},
        {"another file of that size in its place",
         [](const std::string& f) { RemoveTree(f + "\\[Memo]a.txt"), WriteFileBytes(f + "\\[Memo]a.txt", "other"); },
         aStays, aFailed, "-", "other", "b.txt"},
        {"one of that size and time moved onto it",
         [](const std::string& f) {
             WriteFileBytes(f + "\\new.txt", "other");
             ArchiveTimes(f + "\\new.txt");
             RemoveTree(f + "\\[Memo]a.txt");
             MoveName(f, "new.txt", "[Memo]a.txt");
         },
         aStays, aFailed, "-", "other", "b.txt"},
        {"the tagged names swapped",
         [](const std::string& f) {
             MoveName(f, "[Memo]a.txt", "x");
             MoveName(f, "[Memo]b.txt", "[Memo]a.txt");
             MoveName(f, "x", "[Memo]b.txt");
         },
         {"[Memo]a.txt", "[Memo]b.txt"}, {kFailed, kFailed}, "-", "b.txt", "-"},
        {"rows sorted and added", nullptr, {"b.txt", "a.txt", "new.txt"}, {kDone, kDone, ""}, "a.txt", "-", "b.txt"},
        {"another ID on NTFS", GiveAnotherId, aStays, aFailed, "-", "a.txt", "b.txt"},
        {"another ID on ReFS", GiveAnotherId, aStays, aFailed, "-", "a.txt", "b.txt", L"ReFS"},
        {"another ID on FAT32", GiveAnotherId, bothBack, bothDone, "a.txt", "-", "b.txt", L"FAT32"},
        {"another ID on exFAT", GiveAnotherId, bothBack, bothDone, "a.txt", "-", "b.txt", L"exFAT"},
        {"another ID on a share", GiveAnotherId, bothBack, bothDone, "a.txt", "-", "b.txt", L""},
    };
    int index = 0;
    for (const UndoCase& c : cases) {
        SCOPED_TRACE(c.what);
        g_fileSystem = c.fileSystem;
        g_rootsAsked.clear();
        SetFileSystemNameSource(NamedFileSystem);
        RemoveAllRows(list);
        std::string folder = NewFolder("undo" + std::to_string(index++));
        for (const char* name : {"a.txt", "b.txt"}) {
            ListNewFile(folder, name);
            ArchiveTimes(folder + "\\" + name);
        }
        ASSERT_EQ(Run(AddTagToRows, "Memo"), 2);
        if (c.change) c.change(folder);
        if (!c.change) {
            SortRowsByColumn(list, kColumnName, true);
            ListNewFile(folder, "new.txt");
        }
        Run(Undo, "");
        EXPECT_EQ(ColumnTexts(list, kColumnName), c.names);
        EXPECT_EQ(ColumnTexts(list, kColumnResult), c.marks);
        for (auto [name, holds] :
             {std::pair("a.txt", c.plainHolds), std::pair("[Memo]a.txt", c.taggedHolds), std::pair("b.txt", c.bHolds)}) {
            std::string at = folder + "\\" + name;
            EXPECT_EQ(FileExists(at) ? ReadFileBytes(at) : "-", holds) << name;
        }
        // Once for the Add and once for the undo, whatever the number of files.
        EXPECT_EQ(g_rootsAsked, std::vector<std::wstring>(2, Utf16(folder.substr(0, 3))));
    }
    SetFileSystemNameSource(nullptr);
}

// What could not go back stays for the next 元に戻す, which tries only that; the rows that went back keep "完".
TEST_F(TagRowsTest, UndoKeepsWhatItCouldNotPutBackAndTriesItAgain)
{
    std::string folder = NewFolder("retry");
    ListNewFile(folder, "a.txt");
    ListNewFile(folder, "b.txt");
    ASSERT_EQ(Run(AddTagToRows, "Memo"), 2);
    HANDLE held = CreateFileA((folder + "\\[Memo]a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Run(Undo, ""), 1);
    EXPECT_EQ(ColumnTexts(list, kColumnResult), (std::vector<std::string>{kFailed, kDone}));
    EXPECT_TRUE(CanUndo());
    CloseHandle(held);
    EXPECT_EQ(Run(Undo, ""), 1);
    EXPECT_EQ(ColumnTexts(list, kColumnName), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(ColumnTexts(list, kColumnResult), (std::vector<std::string>{kDone, kDone}));
    EXPECT_FALSE(CanUndo());
}

// A batch cut off after its first rename (a logoff, a kill) has kept its tag: the history holds it by the time
// the second row is read.
TEST_F(TagRowsTest, TheTagIsInTheHistoryFromTheFirstRename)
{
    struct HistoryAtSecondRow : MemoryFileList {
        mutable std::string history = "(not read)";
        void GetText(int row, int column, char* buffer, std::size_t size) const override
        {
            if (row == 1 && column == kColumnLocation) history = ReadFileBytes(kHistory);
            MemoryFileList::GetText(row, column, buffer, size);
        }
    } watched;
    std::string folder = NewFolder("cut");
    for (const char* name : {"a.txt", "b.txt"}) {
        ASSERT_TRUE(WriteFileBytes(folder + "\\" + name, name));
        AppendFileRow(watched, (folder + "\\" + name).c_str());
    }
    TagBrackets brackets;
    ReadTagBrackets(brackets);
    EXPECT_EQ(AddTagToRows(watched, "Memo", brackets), 2);
    EXPECT_EQ(watched.history, "Memo\r\n");
}
