#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/path_intake.h"
#include "list_window.h"
#include "support/files.h"
#include "support/list_texts.h"
#include "support/temp_folder.h"
#include "tags/tag_rows.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

// The rows of an intake, those under the current directory (where relative paths resolve) shown relative to it.
std::vector<std::string> Intake(const std::string& text, const char* ext = "*", int recurse = 1)
{
    MemoryFileList list;
    IntakeText(list, text, ext, recurse);
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, here);
    const std::string prefix = std::string(here) + "\\";
    std::vector<std::string> rows;
    for (const std::string& row : ColumnTexts(list, kColumnLocation))
        rows.push_back(row.compare(0, prefix.size(), prefix) == 0 ? row.substr(prefix.size()) : row);
    return rows;
}

void Touch(const std::string& path)
{
    ASSERT_TRUE(WriteFileBytes(path, "x")) << path;
}

// Long names through the wide functions: the ANSI ones refuse paths of MAX_PATH bytes or more.
std::wstring Wide(const std::string& ascii)
{
    return L"\\\\?\\" + std::wstring(ascii.begin(), ascii.end());
}

TEST(PathIntake, TokensOfTheTextBecomeRowsAsWritten)
{
    TempProgramFolder folder;
    std::string longToken(1100, 'x');
    struct Case {
        std::string text;
        std::vector<std::string> rows;
    };
    // Paths that name nothing are left out: the names of the table are there.
    ASSERT_TRUE(MakeFolder("My Docs") && MakeFolder("My"));
    for (const char* name : {"a.txt", "b.txt", "My Docs\\memo.txt", "My\\a.TXT", "a b.txt", "c.txt", "open ended.txt",
                             "short.txt", "\x95\x5C.txt", "\x95\x5C \x83\x7D.txt"})
        Touch(name);
    const std::vector<Case> cases = {
        {"", {}},
        {"   \t ", {}},
        {"a.txt b.txt", {"a.txt", "b.txt"}},
        {"\"My Docs\\memo.txt\"  My\\a.TXT", {"My Docs\\memo.txt", "My\\a.TXT"}},
        {"\"a b.txt\"c.txt", {"a b.txt", "c.txt"}},
        {"\"open ended.txt", {"open ended.txt"}},
        {"a.txt\tb.txt", {}},  // a tab is no blank between paths, and no name holds it
        {"a.txt A.TXT a.txt", {"a.txt"}},
        {longToken + ".txt short.txt", {"short.txt"}},
        {"\x95\x5C.txt \"\x95\x5C \x83\x7D.txt\"", {"\x95\x5C.txt", "\x95\x5C \x83\x7D.txt"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Intake(c.text), c.rows) << c.text.substr(0, 60);
    }
}

TEST(PathIntake, FilterDecidesByExtension)
{
    TempProgramFolder folder;
    for (const char* name : {"a.TXT", "b.jpg", "README", "c.txt.bak"}) Touch(name);
    const std::string text = "a.TXT b.jpg README c.txt.bak";
    struct Case {
        const char* ext;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"*", {"a.TXT", "b.jpg", "README", "c.txt.bak"}},
        {"*.txt", {"a.TXT"}},
        {"*.*", {"a.TXT", "b.jpg", "README", "c.txt.bak"}},
        {";jpg", {"b.jpg"}},  // empty entries are passed over
        {";;", {"a.TXT", "b.jpg", "README", "c.txt.bak"}},
        {"*.jpg;*.*", {"a.TXT", "b.jpg", "README", "c.txt.bak"}},
        {"", {"a.TXT", "b.jpg", "README", "c.txt.bak"}},
        {"txt", {"a.TXT"}},
        {"txt;jpg", {"a.TXT", "b.jpg"}},
        {"txt; jpg", {"a.TXT", "b.jpg"}},
        {" *.jpg ; *.bak", {"b.jpg", "c.txt.bak"}},
        {"txt;;jpg", {"a.TXT", "b.jpg"}},
        {".txt", {"a.TXT"}},
        {"bak", {"c.txt.bak"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Intake(text, c.ext), c.rows) << c.ext;
    }
}

TEST(PathIntake, FoldersAreScannedOnlyWhenAsked)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder("docs\\sub"));
    Touch("docs\\a.txt");
    Touch("docs\\sub\\b.txt");
    EXPECT_EQ(Intake("docs", "*", 0), std::vector<std::string>{});
    EXPECT_EQ(Sorted(Intake("docs", "*", 1)), (std::vector<std::string>{"docs\\a.txt", "docs\\sub\\b.txt"}));
    EXPECT_EQ(Sorted(Intake("docs\\ \"docs\\sub\"", "*", 1)),
              (std::vector<std::string>{"docs\\a.txt", "docs\\sub\\b.txt"}));
    // A path is listed under the names on disk, and once.
    EXPECT_EQ(Sorted(Intake("DOCS\\A.TXT docs", "*", 1)),
              (std::vector<std::string>{"docs\\a.txt", "docs\\sub\\b.txt"}));
}

TEST(ScanFolder, SkipsHiddenAndDotEntriesButSearchesAHiddenFolderGivenItself)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder("root\\hidden"));
    ASSERT_TRUE(MakeFolder("root\\.dot"));
    ASSERT_TRUE(MakeFolder("root\\open"));
    Touch("root\\shown.txt");
    Touch("root\\secret.txt");
    Touch("root\\.profile");
    Touch("root\\hidden\\inside.txt");
    Touch("root\\.dot\\inside.txt");
    Touch("root\\open\\system.txt");
    ASSERT_TRUE(SetFileAttributesA("root\\secret.txt", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA("root\\hidden", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY));
    ASSERT_TRUE(SetFileAttributesA("root\\open\\system.txt", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Sorted(Intake("root")), (std::vector<std::string>{"root\\open\\system.txt", "root\\shown.txt"}));
    EXPECT_EQ(Intake("root\\hidden"), std::vector<std::string>{"root\\hidden\\inside.txt"});
    EXPECT_EQ(Intake("root\\.dot"), std::vector<std::string>{"root\\.dot\\inside.txt"});
}

// The files of a sub-folder stand where the sub-folder was met in its parent's enumeration.
TEST(ScanFolder, AddsDepthFirstInEnumerationOrder)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder("tree"));
    const char* names[] = {"a.txt", "m", "z.txt", "\x95\x5C", "b.txt"};
    for (const char* name : names) {
        std::string path = std::string("tree\\") + name;
        if (std::string(name).find('.') == std::string::npos) {
            ASSERT_TRUE(MakeFolder(path));
            Touch(path + "\\1.txt");
            Touch(path + "\\2.txt");
        } else {
            Touch(path);
        }
    }
    std::vector<std::string> expected;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("tree\\*.*", &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        std::string name = entry.cFileName;
        if (name[0] == '.') {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            std::vector<std::string> inner = Intake("tree\\" + name);
            ASSERT_EQ(inner.size(), 2u) << name;
            expected.insert(expected.end(), inner.begin(), inner.end());
        } else {
            expected.push_back("tree\\" + name);
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    ASSERT_EQ(expected.size(), 7u);
    EXPECT_EQ(Intake("tree"), expected);
    // 表 ends in the byte '\': the join still puts a separator after it.
    EXPECT_EQ(Sorted(Intake("tree\\\x95\x5C")),
              (std::vector<std::string>{"tree\\\x95\x5C\\1.txt", "tree\\\x95\x5C\\2.txt"}));
    EXPECT_EQ(Sorted(Intake("tree\\m\\")), (std::vector<std::string>{"tree\\m\\1.txt", "tree\\m\\2.txt"}));
}

// A path over the limit is never listed, whether its folder is scanned or it is given itself; the limit counts
// characters, so a path of kanji within it is listed either way, and a folder too deep to search is named.
TEST(ScanFolder, SkipsEntriesWhosePathWouldNotFit)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder("deep"));
    std::string root = folder.Join("deep");
    std::size_t room = 259 - root.size() - 1;  // characters left for a name in a path of 259
    ASSERT_LT(room, 250u);
    std::string fits = std::string(room - 4, 'f') + ".txt";
    std::string tooLong = std::string(room - 3, 'g') + ".txt";
    // 漢 is two bytes here and three in a Linux name, whose elements take 255 bytes: three elements.
    std::string kanji;
    for (std::size_t i = 0; i + 4 < room; ++i) kanji += i == 80 || i == 161 ? "\\" : "\x8A\xBF";
    kanji += ".txt";
    std::string longFolder(room - 1, 'd');
    for (const std::string& made : {longFolder, kanji.substr(0, 160), kanji.substr(0, 321)})
        ASSERT_TRUE(CreateDirectoryW((Wide(root) + L"\\" + Utf16(made)).c_str(), nullptr));
    for (const std::string& name : {fits, tooLong, kanji, longFolder + "\\x"}) {
        HANDLE file = CreateFileW((Wide(root) + L"\\" + Utf16(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name.size();
        CloseHandle(file);
    }
    EXPECT_EQ(Sorted(Intake(root)), Sorted({"deep\\" + fits, "deep\\" + kanji}));
    EXPECT_EQ(Sorted(Intake("\"" + root + "\\" + kanji + "\" \"" + root + "\\" + tooLong + "\"")),
              std::vector<std::string>{"deep\\" + kanji});
    LeftOutPaths leftOut = {};
    MemoryFileList list;
    IntakeText(list, root, "*", 1, &leftOut);
    EXPECT_EQ(leftOut.count, 2);  // the long name, and the folder whose search path "<folder>\\*" is over the limit
}

// Names made through the wide calls: only what the code page spells exactly is listed, and a listed row
// names no other file. What is left out is named in the message, each with its reason.
TEST(PathIntake, NamesComeInExactlyOrAreLeftOutAndNamed)
{
    TempProgramFolder folder;
    const std::wstring dl = Utf16(folder.Join("dl"));
    ASSERT_TRUE(MakeFolder(folder.Join("dl\\a")) && MakeFolder(folder.Join("dl\\sub")));
    ASSERT_TRUE(CreateDirectoryW((dl + L"\\caf\u00e9").c_str(), nullptr));
    for (const wchar_t* name : {L"caf\u00e9.txt", L"cafe.txt", L"a\u00a5b.txt", L"a\\b.txt", L"\ud55c\uae00.txt",
                                L"\u8868\u30bd.txt", L"caf\u00e9\\in.txt", L"Quarterly Report 2024.xlsx"})
        ASSERT_TRUE(WriteFileWide(dl + L"\\" + name, "x"));
    wchar_t shortName[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW((dl + L"\\Quarterly Report 2024.xlsx").c_str(), shortName, MAX_PATH), 0u);
    ASSERT_EQ(std::wstring(shortName).find(L"Quarterly"), std::wstring::npos) << "no short name was made";
    const std::string hyoSo = "dl\\\x95\x5C\x83\x5C.txt";  // 表ソ: both end in the byte '\\'
    struct Case {
        std::wstring text;
        std::vector<std::string> rows;
        std::vector<std::wstring> leftOut;
    };
    const std::vector<Case> cases = {
        {L"dl", {"dl\\Quarterly Report 2024.xlsx", "dl\\a\\b.txt", "dl\\cafe.txt", hyoSo},
         {dl + L"\\a\u00a5b.txt", dl + L"\\caf\u00e9", dl + L"\\caf\u00e9.txt", dl + L"\\\ud55c\uae00.txt"}},
        {L"dl\\caf\u00e9.txt dl\\cafe.txt", {"dl\\cafe.txt"}, {dl + L"\\caf\u00e9.txt"}},
        {L"dl\\a\u00a5b.txt", {}, {dl + L"\\a\u00a5b.txt"}},
        {L"dl\\caf\u00e9", {}, {dl + L"\\caf\u00e9"}},
        {L"\"dl\\\ud55c\uae00.txt\"", {}, {dl + L"\\\ud55c\uae00.txt"}},
        {L"dl\\abc. dl\\def\\..\\cafe.txt \"dl\\sub \\x.txt\"", {"dl\\cafe.txt"}, {L"dl\\abc.", L"dl\\sub \\x.txt"}},
        {shortName, {"dl\\Quarterly Report 2024.xlsx"}, {}},
        {L"dl\\cafe.txt:v2 dl\\missing.txt", {}, {L"dl\\cafe.txt:v2", dl + L"\\missing.txt"}},
        {L"\\\\?\\" + dl + L"\\cafe.txt dl\\cafe.txt \\\\?\\" + dl + L"\\abc.", {"dl\\cafe.txt"},
         {L"\\\\?\\" + dl + L"\\abc."}},
        {L"dl\\\u8868\u30bd.txt", {hyoSo}, {}},
    };
    const std::wstring start = Utf16(folder.Path());
    for (const Case& c : cases) {
        MemoryFileList list;
        static PathIntake intake;
        ASSERT_TRUE(StartPathIntake(&intake, "*", 1, start.c_str()));
        AddPathText(list, &intake, c.text.c_str());
        std::vector<std::string> rows;
        for (const std::string& row : ColumnTexts(list, kColumnLocation)) rows.push_back(row.substr(folder.Path().size() + 1));
        EXPECT_EQ(Sorted(rows), c.rows) << Sorted(rows).size();
        EXPECT_EQ(intake.leftOut.count, static_cast<int>(c.leftOut.size()));
        wchar_t message[16000] = {};
        FormatLeftOutMessage(intake.leftOut, message, 16000);
        for (const std::wstring& path : c.leftOut) EXPECT_NE(std::wstring(message).find(path + L"\n"), std::wstring::npos);
    }
    // Add over the scan's rows renames exactly the files they show.
    static PathIntake scan;
    ASSERT_TRUE(StartPathIntake(&scan, "*", 1, start.c_str()));
    MemoryFileList scanned;
    AddPathText(scanned, &scan, L"dl");
    TagBrackets brackets;
    ReadTagBrackets(brackets);
    EXPECT_EQ(AddTagToRows(scanned, "Memo", brackets), 4);
    for (const wchar_t* name : {L"caf\u00e9.txt", L"[Memo]cafe.txt", L"a\u00a5b.txt", L"a\\[Memo]b.txt", L"\ud55c\uae00.txt",
                                L"[Memo]\u8868\u30bd.txt", L"caf\u00e9\\in.txt", L"[Memo]Quarterly Report 2024.xlsx"})
        EXPECT_NE(GetFileAttributesW((dl + L"\\" + name).c_str()), INVALID_FILE_ATTRIBUTES);
    // Ten are named, then the count of the rest.
    static PathIntake many;
    ASSERT_TRUE(StartPathIntake(&many, "*", 1, start.c_str()));
    MemoryFileList none;
    AddPathText(none, &many, L"a. b. c. d. e. f. g. h. i. j. k. l.");
    wchar_t message[16000] = {};
    FormatLeftOutMessage(many.leftOut, message, 16000);
    const std::wstring told = message;
    EXPECT_TRUE(told.rfind(L"次の 12 件", 0) == 0 && told.find(L"\nj.\n") != std::wstring::npos &&
                told.find(L"k.") == std::wstring::npos && told.find(L"ほか 2 件") != std::wstring::npos)
        << told.size();
}

TEST(ListIntake, FillsTheDialogsListAndLeavesRedrawOn)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder("docs"));
    Touch("docs\\a.txt");
    Touch("docs\\b.jpg");
    ListWindow window(true);
    const std::wstring start = Utf16(folder.Path());
    for (const wchar_t* text : {L"docs \"missing file.txt\"", L"DOCS\\A.txt", L""}) {
        static PathIntake intake;
        ASSERT_TRUE(StartPathIntake(&intake, "txt", 1, start.c_str()));
        ListIntake list(window.Dialog());
        AddPathText(list.List(), &intake, text);
    }
    ListViewOps list(window.List());
    EXPECT_EQ(Sorted(ColumnTexts(list, kColumnLocation)), std::vector<std::string>{folder.Join("docs\\a.txt")});
    EXPECT_TRUE(IsWindowVisible(window.List()));
    EXPECT_TRUE(GetWindowLongA(window.List(), GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
