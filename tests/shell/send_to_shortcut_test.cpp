// The Send To shortcut and box 1018, against the prefix's real Send To folder (restored after each test).
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "res/control_ids.h"
#include "app/dispatch.h"
#include "shell/shell_integration.h"
#include "shell_test_support.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/window_input.h"

namespace {

std::string ShortcutPath()
{
    char path[1024] = {};
    WideCharToMultiByte(932, 0, SendToShortcutPath().c_str(), -1, path, sizeof path, nullptr, nullptr);
    return path;
}

struct LinkContents {
    std::string target;
    std::string description;
};

// Reads a saved shortcut back through the shell-link object, the way Explorer does.
LinkContents ReadShortcut(const std::string& path)
{
    LinkContents contents;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return contents;
    }
    IPersistFile* file = nullptr;
    wchar_t widePath[1024] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, 1024);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
        char text[1024] = {};
        if (SUCCEEDED(link->GetPath(text, sizeof text, nullptr, 0))) contents.target = text;
        char description[1024] = {};
        if (SUCCEEDED(link->GetDescription(description, sizeof description))) contents.description = description;
    }
    if (file) file->Release();
    link->Release();
    return contents;
}

std::string ProgramPath()
{
    char path[1024] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

class SendToShortcutTest : public testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        path_ = ShortcutPath();
        ASSERT_FALSE(path_.empty());
        backup_ = path_ + ".before-test";
        hadEntry_ = MoveFileA(path_.c_str(), backup_.c_str()) != FALSE;
    }
    void TearDown() override
    {
        RemoveTree(path_);
        if (hadEntry_) MoveFileA(backup_.c_str(), path_.c_str());
        CoUninitialize();
    }

    int ClickSendToBox()
    {
        ClickButton(boxes_.Window(), IDC_SEND_TO_BOX);
        INT_PTR result = 1;
        return OnSendToBox(boxes_.Window(), boxes_.Box(IDC_SEND_TO_BOX), MAKEWPARAM(IDC_SEND_TO_BOX, BN_CLICKED),
                           BN_CLICKED, &result);
    }

    CheckBoxParent boxes_;
    std::string path_;
    std::string backup_;
    bool hadEntry_ = false;
};

TEST_F(SendToShortcutTest, PathIsTheShortcutNameInTheUsersSendToFolder)
{
    char folder[MAX_PATH] = {};
    ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_SENDTO, nullptr, 0, folder));
    EXPECT_EQ(std::string(folder) + "\\タグの追加.lnk", path_);
}

TEST_F(SendToShortcutTest, CheckingTheBoxCreatesAShortcutToTheProgram)
{
    EXPECT_EQ(1, ClickSendToBox());
    EXPECT_TRUE(boxes_.IsChecked(IDC_SEND_TO_BOX));
    ASSERT_TRUE(FileExists(path_));
    EXPECT_TRUE(SendToShortcutExists());
    const LinkContents link = ReadShortcut(path_);
    EXPECT_EQ(0, lstrcmpiA(ProgramPath().c_str(), link.target.c_str())) << link.target;
    EXPECT_EQ("Tagrin", link.description);
}

TEST_F(SendToShortcutTest, UncheckingTheBoxDeletesTheShortcut)
{
    ClickSendToBox();
    ASSERT_TRUE(FileExists(path_));
    EXPECT_EQ(1, ClickSendToBox());
    EXPECT_FALSE(boxes_.IsChecked(IDC_SEND_TO_BOX));
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(SendToShortcutExists());
}

TEST_F(SendToShortcutTest, AFolderOfTheShortcutsNameShowsCheckedAndCannotBeDeleted)
{
    ASSERT_TRUE(MakeFolder(path_));
    EXPECT_TRUE(SendToShortcutExists());
    ClickSendToBox();  // creating fails: the name is taken
    EXPECT_TRUE(boxes_.IsChecked(IDC_SEND_TO_BOX));
    ClickSendToBox();  // deleting fails: it is a folder
    EXPECT_TRUE(boxes_.IsChecked(IDC_SEND_TO_BOX));
    EXPECT_TRUE(FolderExists(path_));
}

TEST(SaveShellLinkTest, ReportsWhetherTheShortcutWasSaved)
{
    TempProgramFolder folder;
    CoInitialize(nullptr);
    EXPECT_EQ(1, SaveShellLink(Utf16(folder.Join("表示 テスト.lnk")).c_str()));
    EXPECT_TRUE(FileExists(folder.Join("表示 テスト.lnk")));
    EXPECT_EQ(0, SaveShellLink(Utf16(folder.Join("無い\\表示.lnk")).c_str()));
    EXPECT_FALSE(FileExists(folder.Join("無い\\表示.lnk")));
    CoUninitialize();
}

// Focus and double-click notifications of either box must neither act nor change what the box shows.
class OtherNotificationTest : public SendToShortcutTest, public testing::WithParamInterface<WORD> {};

TEST_P(OtherNotificationTest, ChangeNothing)
{
    TempProgramFolder folder;
    RemoveExtensionRegistration();
    // A real extension in the program folder: a wrongly started regsvr32 would register it.
    ASSERT_TRUE(
        CopyFileA((TestExecutableFolder() + "\\ShellExt.dll").c_str(), folder.Join("ShellExt.dll").c_str(), FALSE));
    const WORD code = GetParam();
    const struct {
        int id;
        CommandHandler handler;
    } boxes[] = {{IDC_CONTEXT_MENU_BOX, OnContextMenuBox}, {IDC_SEND_TO_BOX, OnSendToBox}};
    for (const auto& box : boxes) {
        SendMessageA(boxes_.Box(box.id), BM_SETCHECK, BST_CHECKED, 0);
        INT_PTR result = 1;
        EXPECT_EQ(1, box.handler(boxes_.Window(), boxes_.Box(box.id), MAKEWPARAM(box.id, code), code, &result));
        EXPECT_TRUE(boxes_.IsChecked(box.id)) << box.id;
    }
    EXPECT_FALSE(FileExists(path_));
    EXPECT_FALSE(ClassesKeyExists(kExtensionClassKey));
    RemoveExtensionRegistration();
}

INSTANTIATE_TEST_SUITE_P(Codes, OtherNotificationTest,
                         testing::Values(WORD{BN_DOUBLECLICKED}, WORD{BN_SETFOCUS}, WORD{BN_KILLFOCUS}));

}  // namespace
