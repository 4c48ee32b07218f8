// The real Tagrin.exe as a user starts it: copied into a program folder of its own, started from another
// working directory with paths on its command line, closed from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/control_ids.h"
#include "shell/shell_integration.h"
#include "support/files.h"
#include "support/running_program.h"
#include "support/temp_folder.h"

namespace {

TEST(Program, StartsInItsOwnFolderListsItsCommandLineAndExitsWithZeroOnClose)
{
    TempProgramFolder root;
    const std::string programFolder = root.Join("プログラム 表");
    const std::string workFolder = root.Join("work");
    ASSERT_TRUE(MakeFolder(programFolder));
    ASSERT_TRUE(MakeFolder(workFolder + "\\docs"));
    const std::string program = programFolder + "\\Tagrin.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE)) << BuiltProgramPath();
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\My Docs.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\docs\\one.txt", "b"));
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\docs\\two.txt", "c"));

    // A quoted path with blanks, a folder (searched by default) and a relative path, which resolves
    // against the working directory, not the program folder, where start-up moves.
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\relative.txt", "d"));
    ASSERT_TRUE(WriteFileBytes(programFolder + "\\relative.txt", "e"));
    const std::string arguments = "\"" + workFolder + "\\My Docs.txt\" " + workFolder + "\\docs relative.txt";
    RunningProgram tagrin(programFolder, arguments, workFolder);
    ASSERT_TRUE(tagrin.WaitForWindow(30000)) << "no window titled Tagrin v1.0.0";
    EXPECT_EQ(tagrin.ItemText(IDC_COUNT_LABEL), "合計 4件");
    HWND edit = FindWindowExA(tagrin.Item(IDC_TAG_COMBO), nullptr, "Edit", nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Memo"));
    tagrin.PressKey(edit, VK_RETURN);
    EXPECT_TRUE(WaitForFile(workFolder + "\\[Memo]relative.txt", 20000));
    EXPECT_TRUE(FileExists(programFolder + "\\relative.txt"));

    EXPECT_EQ(tagrin.CloseAndWait(30000), 0);
    EXPECT_TRUE(FileExists(programFolder + "\\設定.ini"));
    EXPECT_FALSE(FileExists(workFolder + "\\設定.ini"));
}

TEST(Program, AnUnquotedProgramPathWithShiftJisListsOnlyItsArguments)
{
    // As typed in a console: the program path unquoted, in a folder whose name has Shift-JIS lead bytes.
    TempProgramFolder root;
    const std::string programFolder = root.Join("ツール");
    ASSERT_TRUE(MakeFolder(programFolder));
    ASSERT_TRUE(WriteFileBytes(root.Join("a.txt"), "a"));
    ASSERT_EQ(programFolder.find(' '), std::string::npos) << "the test needs a program path without blanks";

    RunningProgram tagrin(programFolder, root.Join("a.txt"), programFolder, false);
    ASSERT_TRUE(tagrin.WaitForWindow(30000)) << "no window titled Tagrin v1.0.0";
    EXPECT_EQ(tagrin.ItemText(IDC_COUNT_LABEL), "合計 1件");
    EXPECT_EQ(tagrin.CloseAndWait(30000), 0);
}

TEST(Program, TheRoadOfATypicalUse)
{
    TempProgramFolder root;
    const std::string programFolder = root.Join("Tagrin");
    const std::string docs = root.Join("文書 表");
    ASSERT_TRUE(MakeFolder(programFolder));
    ASSERT_TRUE(MakeFolder(docs));
    const std::string program = programFolder + "\\Tagrin.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE));
    const char* const names[] = {"report.txt", "ソース.c", "memo 2.txt"};
    std::string arguments;
    for (const char* name : names) {
        ASSERT_TRUE(WriteFileBytes(docs + "\\" + name, name));
        arguments += "\"" + docs + "\\" + name + "\" ";
    }

    {
        RunningProgram tagrin(programFolder, arguments, root.Path());
        ASSERT_TRUE(tagrin.WaitForWindow(30000));
        HWND edit = FindWindowExA(tagrin.Item(IDC_TAG_COMBO), nullptr, "Edit", nullptr);
        ASSERT_TRUE(edit);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Memo"));
        tagrin.PressKey(edit, VK_RETURN);  // Enter is the Add button
        for (const char* name : names) {
            EXPECT_TRUE(WaitForFile(docs + "\\[Memo]" + name, 20000)) << name;
            EXPECT_EQ(ReadFileBytes(docs + "\\[Memo]" + name), name);
            EXPECT_FALSE(FileExists(docs + "\\" + name));
        }
        tagrin.PressKey(edit, VK_ESCAPE);  // Esc closes, saving first
        EXPECT_EQ(tagrin.WaitForExit(30000), 0);
    }
    EXPECT_EQ(ReadFileBytes(programFolder + "\\タグ.txt"), "Memo\r\n");
    EXPECT_EQ(ReadFileBytes(programFolder + "\\設定.ini").rfind("[設定]\r\next=*\r\nIsDir=1\r\n[ウィンドウ]\r\nx=", 0),
              0u);

    // The next start offers the tag it used.
    RunningProgram again(programFolder, "", root.Path());
    ASSERT_TRUE(again.WaitForWindow(30000));
    HWND combo = again.Item(IDC_TAG_COMBO);
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    ASSERT_EQ(count, 1);
    // Across processes the ANSI text message comes back as UTF-16 under Wine; ask for UTF-16 outright.
    wchar_t wide[256] = {};
    SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(wide));
    EXPECT_STREQ(wide, L"Memo");
    EXPECT_EQ(again.CloseAndWait(30000), 0);
}

TEST(Program, ACloseDuringStartUpStillSavesAndExitsWithZero)
{
    TempProgramFolder root;
    const std::string program = root.Join("Tagrin.exe");
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE));
    RunningProgram tagrin(root.Path(), "", root.Path());
    ASSERT_TRUE(tagrin.Started());
    // The dialog's window exists (untitled) as soon as it is created; close it at once.
    ASSERT_TRUE(tagrin.WaitForWindow(30000, nullptr));
    EXPECT_EQ(tagrin.CloseAndWait(30000), 0);
    EXPECT_TRUE(FileExists(root.Join("設定.ini")));
}

TEST(Program, ASettingsFileShiftJisCannotSpellIsToldOfAndLeftAsItIs)
{
    TempProgramFolder root;
    const std::string notepad = u8"\uFEFF[タグ括弧]\r\naddtag1=한\r\n";
    ASSERT_TRUE(WriteFileBytes(root.Join("設定.ini"), notepad));
    RunningProgram tagrin(root.Path(), "", root.Path());
    ASSERT_TRUE(tagrin.WaitForWindow(30000, "Tagrin")) << "no box titled Tagrin";
    // The box is found once it has its title; its text follows.
    std::string told;
    for (DWORD start = GetTickCount(); told.empty() && GetTickCount() - start < 30000; Sleep(5)) {
        told = tagrin.ItemText(0xFFFF);
    }
    EXPECT_NE(told.find("設定.ini"), std::string::npos) << told;
    // The box stands over the window with its title, never over an untitled one.
    HWND box = tagrin.Window();
    EXPECT_TRUE(tagrin.WaitForWindow(0));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(tagrin.WaitForWindow(30000)) << "no window titled Tagrin v1.0.0";
    EXPECT_EQ(tagrin.CloseAndWait(30000), 0);
    EXPECT_EQ(ReadFileBytes(root.Join("設定.ini")), notepad);
}

// A copy whose manifest asks for UTF-8 runs in a code page that cannot be pinned: it refuses to start in one box,
// having read, written and renamed nothing, and exits with -1.
TEST(Program, RefusesToStartInAnyCodePageButShiftJis)
{
    TempProgramFolder root;
    const std::string program = root.Join("Tagrin.exe");
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(AskForCodePage(Utf16(program), "UTF-8"));
    const std::string notepad = u8"メモ\n";  // a start that went on would convert it
    ASSERT_TRUE(WriteFileBytes(root.Join("タグ.txt"), notepad));
    ASSERT_TRUE(WriteFileBytes(root.Join("a.txt"), "x"));
    RunningProgram tagrin(root.Path(), "\"" + root.Join("a.txt") + "\"", root.Path());
    ASSERT_TRUE(tagrin.WaitForWindow(30000, "Tagrin")) << "no box titled Tagrin";
    std::string told;
    for (DWORD start = GetTickCount(); told.empty() && GetTickCount() - start < 30000; Sleep(5)) {
        told = tagrin.ItemText(0xFFFF);
    }
    EXPECT_NE(told.find("65001"), std::string::npos) << told;
    EXPECT_NE(told.find("Nothing was changed"), std::string::npos) << told;
    PostMessageA(tagrin.Window(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(tagrin.WaitForExit(30000), -1);
    EXPECT_EQ(FolderNames(root.Path()), (std::vector<std::string>{"Tagrin.exe", "a.txt", "タグ.txt"}));
    EXPECT_EQ(ReadFileBytes(root.Join("タグ.txt")), notepad);
}

// A program folder whose name Shift-JIS cannot spell: a history Notepad saved in UTF-8 is converted (its original
// kept beside it), and the Send To box makes a shortcut whose target is the program itself.
TEST(Program, AFolderOfAnyNameConvertsItsHistoryAndMakesASendToShortcutThatOpens)
{
    TempProgramFolder root;
    const std::wstring folder = Utf16(root.Path()) + L"\\\ud55c\uae00 Tagrin";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::string notepad = u8"メモ\n";
    ASSERT_TRUE(WriteFileWide(folder + L"\\タグ.txt", notepad));
    const std::wstring shortcut = SendToShortcutPath();
    ASSERT_FALSE(shortcut.empty());
    DeleteFileW(shortcut.c_str());
    RunningProgram tagrin(folder, L"");
    ASSERT_TRUE(tagrin.WaitForWindow(30000)) << "no window titled Tagrin v1.0.0";
    EXPECT_EQ(ReadFileWide(folder + L"\\タグ.txt"), "メモ\r\n");
    EXPECT_EQ(ReadFileWide(folder + L"\\タグ.txt.bak"), notepad);
    SendMessageA(tagrin.Item(IDC_SEND_TO_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(ShortcutTarget(shortcut), folder + L"\\Tagrin.exe");
    SendMessageA(tagrin.Item(IDC_SEND_TO_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(GetFileAttributesW(shortcut.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(tagrin.CloseAndWait(30000), 0);
}

TEST(Program, TheExecutableNeedsAndLoadsNoDllBesideIt)
{
    // Static runtime: only system DLLs are imported.
    HMODULE image = LoadLibraryExA(BuiltProgramPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_TRUE(image);
    auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image) & ~ULONG_PTR(3));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const WORD machine = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
    EXPECT_EQ(nt->FileHeader.Machine, machine);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(imports.VirtualAddress, 0u);
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name;
         ++entry) {
        std::string dll = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : dll) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(dll.find("libstdc++") == std::string::npos && dll.find("libgcc") == std::string::npos &&
                    dll.find("winpthread") == std::string::npos)
            << dll;
    }
    // And Windows loads them from the system folder only, never from beside the program.
    const IMAGE_DATA_DIRECTORY& config = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
    ASSERT_GE(config.Size, sizeof(IMAGE_LOAD_CONFIG_DIRECTORY));
    auto* loadConfig = reinterpret_cast<const IMAGE_LOAD_CONFIG_DIRECTORY*>(base + config.VirtualAddress);
    EXPECT_EQ(loadConfig->Size, config.Size);
    EXPECT_EQ(loadConfig->Reserved1, 0x800) << "DependentLoadFlags: LOAD_LIBRARY_SEARCH_SYSTEM32";
    FreeLibrary(image);
}

}  // namespace
