// The two shell-integration boxes of the real dialog: a click installs or removes, and the box ends
// showing what is installed.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "res/control_ids.h"
#include "shell/shell_integration.h"
#include "support/dialog_fixture.h"
#include "support/files.h"

namespace {

TEST(DialogShellBoxes, SendToBoxCreatesAndDeletesTheShortcut)
{
    TempProgramFolder folder;
    char shortcut[1024] = {};
    WideCharToMultiByte(932, 0, SendToShortcutPath().c_str(), -1, shortcut, sizeof shortcut, nullptr, nullptr);
    DeleteFileA(shortcut);
    DialogUnderTest dialog;
    ASSERT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_UNCHECKED);

    SendMessageA(dialog.Item(IDC_SEND_TO_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_CHECKED);
    ASSERT_TRUE(FileExists(shortcut));
    wchar_t self[1024] = {};
    GetModuleFileNameW(nullptr, self, 1024);
    EXPECT_EQ(0, lstrcmpiW(ShortcutTarget(Utf16(shortcut)).c_str(), self));

    SendMessageA(dialog.Item(IDC_SEND_TO_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_UNCHECKED);
    EXPECT_FALSE(FileExists(shortcut));
}

TEST(DialogShellBoxes, ContextMenuBoxWithoutTheExtensionEndsUnchecked)
{
    TempProgramFolder folder;  // holds no ShellExt.dll
    DialogUnderTest dialog;
    ASSERT_FALSE(IsContextMenuRegistered());
    SendMessageA(dialog.Item(IDC_CONTEXT_MENU_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_CONTEXT_MENU_BOX), BST_UNCHECKED);
    EXPECT_FALSE(IsContextMenuRegistered());
}

// While regsvr32 runs (on Windows it waits for the user to read its box), the window answers, and a click on
// either box meanwhile starts nothing: the box is set back to what is installed.
TEST(DialogShellBoxes, TheWindowAnswersWhileTheRegistrationToolRuns)
{
    TempProgramFolder folder;
    char self[1024] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    *std::strrchr(self, '\\') = '\0';
    ASSERT_TRUE(CopyFileA((std::string(self) + "\\slow_registration.dll").c_str(), folder.Join("ShellExt.dll").c_str(),
                          FALSE));
    const std::wstring shortcut = SendToShortcutPath();
    DeleteFileW(shortcut.c_str());
    HANDLE began = CreateEventW(nullptr, TRUE, FALSE, L"Local\\TagrinTestRegistrationBegan");
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, L"Local\\TagrinTestRegistrationGo");
    DialogUnderTest dialog;
    bool answered = false;
    std::thread user([&] {
        if (WaitForSingleObject(began, 30000) == WAIT_OBJECT_0) {
            wchar_t title[64] = {};
            DWORD_PTR result = 0;
            answered = SendMessageTimeoutW(dialog.Window(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(title),
                                           SMTO_NORMAL, 30000, &result) != 0;
            for (int box : {IDC_CONTEXT_MENU_BOX, IDC_SEND_TO_BOX}) {
                SendMessageTimeoutW(dialog.Item(box), BM_CLICK, 0, 0, SMTO_NORMAL, 30000, &result);
            }
        }
        SetEvent(go);
    });
    SendMessageA(dialog.Item(IDC_CONTEXT_MENU_BOX), BM_CLICK, 0, 0);
    user.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(ReadFileBytes(folder.Join("registrations.log")), "x") << "one registration tool, not two";
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_CONTEXT_MENU_BOX), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_UNCHECKED);
    EXPECT_EQ(GetFileAttributesW(shortcut.c_str()), INVALID_FILE_ATTRIBUTES);
    CloseHandle(began);
    CloseHandle(go);
}

}  // namespace
