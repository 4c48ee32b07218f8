// Files that change on disk between the intake and a tag command: the command must neither lose nor
// misplace a file, must mark what it could not do, and must go on with the other rows.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "support/dialog_fixture.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace {

// Three listed files; the middle one, "表.txt" (second byte 0x5C), is the one that changes.
const std::initializer_list<const char*> kThreeNames = {"a.txt", "表.txt", "c.txt"};

struct Change {
    const char* what;
    // Done to the middle file after the intake; returns false when it could not be set up.
    std::function<bool(const ListedFiles&)> apply;
    // What must be on disk afterwards under the middle file's folder, beside the other two renamed files.
    std::vector<std::string> addMiddleExpect;  // names of the middle entry after Add
    const char* addMiddleResult;
    const char* deleteMiddleResult;
};

bool Delete(const ListedFiles& files)
{
    return DeleteFileA(files.At("表.txt").c_str()) != FALSE;
}
bool RenameElsewhere(const ListedFiles& files)
{
    return MoveFileA(files.At("表.txt").c_str(), files.At("他人.txt").c_str()) != FALSE;
}
bool ReplaceByFolder(const ListedFiles& files)
{
    return DeleteFileA(files.At("表.txt").c_str()) && CreateDirectoryA(files.At("表.txt").c_str(), nullptr) &&
           WriteFileBytes(files.At("表.txt") + "\\inner.txt", "x");
}

// A folder stands at the listed location itself: both commands fail on it, never rename it.
bool FolderAtTheLocation(const ListedFiles& files)
{
    return DeleteFileA(files.At("表.txt").c_str()) && CreateDirectoryA(files.At("[T]表.txt").c_str(), nullptr);
}

class FileChangedUnderTheList : public ::testing::TestWithParam<Change> {};

TEST_P(FileChangedUnderTheList, AddAndDeleteMarkTheRowAndGoOnWithTheBatch)
{
    const Change& change = GetParam();
    TempProgramFolder program;
    ListedFiles files(program, kThreeNames);
    // The middle file is tagged already, so that Delete has something to take off it.
    ASSERT_TRUE(MoveFileA(files.At("表.txt").c_str(), files.At("[T]表.txt").c_str()));
    files.tail = "\"" + files.At("a.txt") + "\" \"" + files.At("[T]表.txt") + "\" \"" + files.At("c.txt") + "\"";
    DialogUnderTest dialog(files.tail.c_str());
    ASSERT_EQ(ColumnTexts(dialog.Window(), kColumnName).size(), 3u);
    ASSERT_TRUE(MoveFileA(files.At("[T]表.txt").c_str(), files.At("表.txt").c_str()));
    ASSERT_TRUE(change.apply(files)) << change.what;

    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "T");
    ClickButton(dialog.Window(), IDC_ADD_BUTTON);
    // The middle row already carries T in its listed name: Add leaves it alone whatever the disk holds.
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"完", "", "完"}));

    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "U");
    ClickButton(dialog.Window(), IDC_ADD_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult),
              (std::vector<std::string>{"完", change.addMiddleResult, "完"}))
        << change.what;
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnLocation)[1], files.At("[T]表.txt")) << change.what;

    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "T");
    ClickButton(dialog.Window(), IDC_DELETE_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult),
              (std::vector<std::string>{"完", change.deleteMiddleResult, "完"}))
        << change.what;
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName),
              (std::vector<std::string>{"[U]a.txt", "[T]表.txt", "[U]c.txt"}));

    EXPECT_TRUE(FileExists(files.At("[U]a.txt")));
    EXPECT_TRUE(FileExists(files.At("[U]c.txt")));
    for (const std::string& name : change.addMiddleExpect) {
        EXPECT_TRUE(FileExists(files.At(name)) || FolderExists(files.At(name))) << change.what << ": " << name;
    }
    // Nothing was made of the changed entry's name by either command.
    EXPECT_FALSE(FileExists(files.At("[U][T]表.txt")) || FolderExists(files.At("[U][T]表.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileChangedUnderTheList,
    ::testing::Values(Change{"deleted", Delete, {}, "失敗", "失敗"},
                      Change{"renamed by someone else", RenameElsewhere, {"他人.txt"}, "失敗", "失敗"},
                      Change{
                          "replaced by a folder", ReplaceByFolder, {"表.txt", "表.txt\\inner.txt"}, "失敗", "失敗"},
                      Change{"a folder at the location", FolderAtTheLocation, {"[T]表.txt"}, "失敗", "失敗"}));

// A process that holds the handles it inherited, until it is ended.
class HandleHolder {
public:
    // Every inheritable handle of this process goes to the other one.
    HandleHolder()
    {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        CreatePipe(&input_, &feed_, &inherit, 0);
        SetHandleInformation(feed_, HANDLE_FLAG_INHERIT, 0);
        output_ =
            CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input_;
        startup.hStdOutput = output_;
        startup.hStdError = output_;
        // "pause" waits on its input, a pipe nobody writes to.
        char commandLine[] = "cmd.exe /c pause";
        started_ = CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                                  &startup, &process_) != FALSE;
    }
    ~HandleHolder()
    {
        if (started_) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 10000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        CloseHandle(input_);
        CloseHandle(feed_);
        CloseHandle(output_);
    }
    bool Running() const { return started_ && WaitForSingleObject(process_.hProcess, 200) == WAIT_TIMEOUT; }

private:
    HANDLE input_ = nullptr;
    HANDLE feed_ = nullptr;
    HANDLE output_ = nullptr;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

// True once nobody holds path open any more (a process that inherited the handle may outlive the holder
// for a moment under Wine); waits at most the given time.
bool WaitUntilFree(const std::string& path, DWORD milliseconds)
{
    for (DWORD waited = 0; waited <= milliseconds; waited += 50) {
        HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            return true;
        }
        Sleep(50);
    }
    return false;
}

TEST(FileHeldByAnotherProcess, ItsRenameFailsAndTheBatchGoesOn)
{
    TempProgramFolder program;
    ListedFiles files(program, kThreeNames);
    DialogUnderTest dialog(files.tail.c_str());
    {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        // Opened without any sharing, handed to another process, and closed here.
        HANDLE held = CreateFileA(files.At("表.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inherit, OPEN_EXISTING,
                                  0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        HandleHolder holder;
        CloseHandle(held);
        ASSERT_TRUE(holder.Running());

        SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
        ClickButton(dialog.Window(), IDC_ADD_BUTTON);
        EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"完", "失敗", "完"}));
        EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName),
                  (std::vector<std::string>{"[Memo]a.txt", "表.txt", "[Memo]c.txt"}));
        EXPECT_TRUE(FileExists(files.At("表.txt")));
    }
    // Once the other process is gone, the same command renames the file it held.
    ASSERT_TRUE(WaitUntilFree(files.At("表.txt"), 10000));
    ClickButton(dialog.Window(), IDC_ADD_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"", "完", ""}));
    EXPECT_TRUE(FileExists(files.At("[Memo]表.txt")));
    EXPECT_EQ(ReadFileBytes(files.At("[Memo]表.txt")), "表.txt");
    EXPECT_EQ(ReadFileBytes(program.Join("タグ.txt")), "Memo\r\n");
}

TEST(ReadOnlyFile, TheRowSaysWhatThePlatformDid)
{
    TempProgramFolder program;
    ListedFiles files(program, kThreeNames);
    ASSERT_TRUE(SetFileAttributesA(files.At("表.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    DialogUnderTest dialog(files.tail.c_str());
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    ClickButton(dialog.Window(), IDC_ADD_BUTTON);

    // Whichever way the platform decides, the row and the disk agree and the file keeps its content.
    const std::string result = ColumnTexts(dialog.Window(), kColumnResult)[1];
    const std::string location = ColumnTexts(dialog.Window(), kColumnLocation)[1];
    if (result == "完") {
        EXPECT_EQ(location, files.At("[Memo]表.txt"));
        EXPECT_FALSE(FileExists(files.At("表.txt")));
    } else {
        EXPECT_EQ(result, "失敗");
        EXPECT_EQ(location, files.At("表.txt"));
        EXPECT_FALSE(FileExists(files.At("[Memo]表.txt")));
    }
    EXPECT_EQ(ReadFileBytes(location), "表.txt");
    EXPECT_NE(GetFileAttributesA(location.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult)[0], "完");
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult)[2], "完");
}

}  // namespace
