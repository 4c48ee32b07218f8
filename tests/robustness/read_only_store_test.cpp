// Settings and history that cannot be written: the real program starts, lists the files, renames them on
// Add, tells of the failed write once and closes with 0; the renamed files stay renamed and the blocked
// store is left as it was.
// Under Wine as root the read-only attribute does not stop a write, so the writes are made to fail
// for real: the files are held open without sharing, or folders stand in their place.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/control_ids.h"
#include "support/files.h"
#include "support/running_program.h"
#include "support/temp_folder.h"

namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kCloseLimit = 30000;
constexpr DWORD kRenameLimit = 20000;

const char kSettings[] = "[設定]\r\next=*\r\nIsDir=0\r\n";
const char kHistory[] = "甲\r\n";

// ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a backslash as their second byte.
const std::vector<std::string> kNames = {"a.txt", "ソ表.txt", "[乙]b.txt"};

enum class Blocked { HeldWithoutSharing, FoldersInTheirPlace };

// Keeps ".\設定.ini" and ".\タグ.txt" of a program folder from being written while it lives.
class BlockedStore {
public:
    BlockedStore(const std::string& programFolder, Blocked how) : how_(how)
    {
        for (const char* name : {"設定.ini", "タグ.txt"}) paths_.push_back(programFolder + "\\" + name);
        if (how == Blocked::FoldersInTheirPlace) {
            for (const std::string& path : paths_) ready_ = MakeFolder(path) && ready_;
            return;
        }
        ready_ = WriteFileBytes(paths_[0], kSettings) && WriteFileBytes(paths_[1], kHistory);
        for (const std::string& path : paths_) {
            HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ready_ = held != INVALID_HANDLE_VALUE && ready_;
            handles_.push_back(held);
        }
    }
    ~BlockedStore() { Release(); }

    void Release()
    {
        for (HANDLE held : handles_) {
            if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        }
        handles_.clear();
    }
    bool Ready() const { return ready_; }
    // The store as it was set up: the same bytes, or still empty folders.
    bool Unchanged() const
    {
        if (how_ == Blocked::HeldWithoutSharing) {
            return ReadFileBytes(paths_[0]) == kSettings && ReadFileBytes(paths_[1]) == kHistory;
        }
        for (const std::string& path : paths_) {
            WIN32_FIND_DATAA entry;
            HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
            bool empty = true;
            if (find != INVALID_HANDLE_VALUE) {
                do {
                    const std::string name = entry.cFileName;
                    empty = empty && (name == "." || name == "..");
                } while (FindNextFileA(find, &entry));
                FindClose(find);
            }
            if (!FolderExists(path) || !empty) return false;
        }
        return true;
    }

private:
    Blocked how_;
    bool ready_ = true;
    std::vector<std::string> paths_;
    std::vector<HANDLE> handles_;
};

class ReadOnlyStore : public ::testing::TestWithParam<Blocked> {};

TEST_P(ReadOnlyStore, TheProgramStartsAddsAndClosesWithZeroAndLosesNothing)
{
    TempProgramFolder root;
    const std::string programFolder = root.Join("program");
    ASSERT_TRUE(MakeFolder(programFolder));
    std::string tail;
    for (const std::string& name : kNames) {
        ASSERT_TRUE(WriteFileBytes(root.Join(name), name));
        tail += "\"" + root.Join(name) + "\" ";
    }
    BlockedStore store(programFolder, GetParam());
    ASSERT_TRUE(store.Ready());

    RunningProgram program(programFolder, tail);
    HWND window = program.WaitForWindow(kStartLimit);
    ASSERT_TRUE(window);
    EXPECT_EQ(program.ItemText(IDC_COUNT_LABEL), "合計 3件");

    HWND edit = FindWindowExA(GetDlgItem(window, IDC_TAG_COMBO), nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Memo"), SMTO_ABORTIFHUNG, 5000, nullptr);
    // The history append of the batch fails; the batch and the program go on.
    PostMessageA(GetDlgItem(window, IDC_ADD_BUTTON), BM_CLICK, 0, 0);
    for (const std::string& name : kNames) {
        EXPECT_TRUE(WaitForFile(root.Join("[Memo]" + name), kRenameLimit)) << name;
    }
    // One box after the batch names the file and why.
    ASSERT_TRUE(program.WaitForWindow(kRenameLimit, "Tagrin"));
    std::string told;
    for (DWORD start = GetTickCount(); told.empty() && GetTickCount() - start < kRenameLimit; Sleep(5)) {
        told = program.ItemText(0xFFFF);
    }
    EXPECT_NE(told.find("タグ.txt"), std::string::npos) << told;
    EXPECT_NE(told.find(GetParam() == Blocked::HeldWithoutSharing ? "使用中" : "フォルダ"), std::string::npos) << told;
    PostMessageA(program.Window(), WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.WaitForWindow(kStartLimit));
    // The close cannot save the picker or the settings, tells nothing more (a box would hold the exit), and
    // still ends the program normally.
    EXPECT_EQ(program.CloseAndWait(kCloseLimit), 0);

    store.Release();
    for (const std::string& name : kNames) {
        EXPECT_EQ(ReadFileBytes(root.Join("[Memo]" + name)), name) << name;
        EXPECT_FALSE(FileExists(root.Join(name))) << name;
    }
    EXPECT_TRUE(store.Unchanged());
}

INSTANTIATE_TEST_SUITE_P(Blocks, ReadOnlyStore,
                         ::testing::Values(Blocked::HeldWithoutSharing, Blocked::FoldersInTheirPlace),
                         [](const ::testing::TestParamInfo<Blocked>& info) {
                             return std::string(info.param == Blocked::HeldWithoutSharing ? "HeldWithoutSharing"
                                                                                          : "FoldersInTheirPlace");
                         });

}  // namespace
