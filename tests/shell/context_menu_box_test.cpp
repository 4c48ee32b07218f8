// Box 1017 runs regsvr32 on ".\ShellExt.dll" in the program folder and then shows what the registry holds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/control_ids.h"
#include "shell/shell_integration.h"
#include "shellext/registration.h"
#include "shell_test_support.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/window_input.h"

namespace {

class ContextMenuBoxTest : public testing::Test {
protected:
    void SetUp() override { RemoveExtensionRegistration(); }
    void TearDown() override { RemoveExtensionRegistration(); }

    void ClickContextMenuBox()
    {
        ClickButton(boxes_.Window(), IDC_CONTEXT_MENU_BOX);
        INT_PTR result = 1;
        EXPECT_EQ(1, OnContextMenuBox(boxes_.Window(), boxes_.Box(IDC_CONTEXT_MENU_BOX),
                                      MAKEWPARAM(IDC_CONTEXT_MENU_BOX, BN_CLICKED), BN_CLICKED, &result));
    }

    TempProgramFolder folder_;
    CheckBoxParent boxes_;
};

TEST_F(ContextMenuBoxTest, WithoutTheExtensionTheBoxEndsUnchecked)
{
    ClickContextMenuBox();
    EXPECT_FALSE(boxes_.IsChecked(IDC_CONTEXT_MENU_BOX));
    EXPECT_FALSE(ClassesKeyExists(kExtensionClassKey));
    EXPECT_FALSE(IsContextMenuRegistered());
}

// A regsvr32.exe put beside the program (a stand-in that records its command line) is never started: the
// system's tool registers the extension.
TEST_F(ContextMenuBoxTest, WithTheExtensionTheBoxRegistersAndUnregistersIt)
{
    const std::string extension = folder_.Join("ShellExt.dll");
    ASSERT_TRUE(CopyFileA((TestExecutableFolder() + "\\ShellExt.dll").c_str(), extension.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((TestExecutableFolder() + "\\command_line_recorder.exe").c_str(),
                          folder_.Join("regsvr32.exe").c_str(), FALSE));

    ClickContextMenuBox();
    EXPECT_TRUE(boxes_.IsChecked(IDC_CONTEXT_MENU_BOX));
    EXPECT_TRUE(IsContextMenuRegistered());
    const std::wstring server = ClassesStringValue(std::string(kExtensionClassKey) + "\\InprocServer32", nullptr);
    EXPECT_EQ(0, lstrcmpiW(Utf16(extension).c_str(), server.c_str())) << server;

    ClickContextMenuBox();
    EXPECT_FALSE(boxes_.IsChecked(IDC_CONTEXT_MENU_BOX));
    EXPECT_FALSE(IsContextMenuRegistered());
    EXPECT_FALSE(ClassesKeyExists(kFileHandlerKey));
    EXPECT_FALSE(ClassesKeyExists(kFolderHandlerKey));
    EXPECT_EQ(GetFileAttributesA(folder_.Join("command_line.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ContextMenuBoxTest, APerUserRegistrationShowsInTheBoxAndUnregisteringRemovesIt)
{
    // What a standard user's regsvr32 writes: the keys in his own classes only.
    ASSERT_EQ(S_OK, RegisterTagMenu(RegistrationScope::PerUser));
    for (const char* key : {kExtensionClassKey, kFileHandlerKey, kFolderHandlerKey}) {
        EXPECT_TRUE(UserClassesKeyExists(key)) << key;
    }
    EXPECT_FALSE(ClassesKeyExists(kExtensionClassKey)) << "written machine-wide";
    EXPECT_TRUE(IsContextMenuRegistered());

    // Unchecked without the extension in the folder, nothing is removed: the box follows the per-user keys.
    SendMessageA(boxes_.Box(IDC_CONTEXT_MENU_BOX), BM_SETCHECK, BST_CHECKED, 0);
    ClickContextMenuBox();
    EXPECT_TRUE(boxes_.IsChecked(IDC_CONTEXT_MENU_BOX));

    ASSERT_TRUE(
        CopyFileA((TestExecutableFolder() + "\\ShellExt.dll").c_str(), folder_.Join("ShellExt.dll").c_str(), FALSE));
    ClickContextMenuBox();
    EXPECT_FALSE(boxes_.IsChecked(IDC_CONTEXT_MENU_BOX));
    EXPECT_FALSE(IsContextMenuRegistered());
    for (const char* key : {kExtensionClassKey, kFileHandlerKey, kFolderHandlerKey}) {
        EXPECT_FALSE(UserClassesKeyExists(key)) << key;
    }
}

TEST_F(ContextMenuBoxTest, TheTestFollowsTheClassKey)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CLASSES_ROOT, kExtensionClassKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegCloseKey(key);
    EXPECT_TRUE(IsContextMenuRegistered());
    RemoveExtensionRegistration();
    EXPECT_FALSE(IsContextMenuRegistered());
}

}  // namespace
