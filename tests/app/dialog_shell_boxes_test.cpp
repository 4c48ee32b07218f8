// The two shell-integration boxes of the real dialog: a click installs or removes, and the box ends
// showing what is installed.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "res/control_ids.h"
#include "shell/shell_integration.h"
#include "support/dialog_fixture.h"
#include "support/files.h"

namespace {

std::string ShortcutTarget(const std::string& shortcut)
{
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[1024] = {};
            MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, wide, 1024);
            char path[1024] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(link->GetPath(path, sizeof path, nullptr, 0))) {
                target = path;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

TEST(DialogShellBoxes, SendToBoxCreatesAndDeletesTheShortcut)
{
    TempProgramFolder folder;
    char shortcut[1024] = {};
    GetSendToShortcutPath(shortcut);
    DeleteFileA(shortcut);
    DialogUnderTest dialog;
    ASSERT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_UNCHECKED);

    SendMessageA(dialog.Item(IDC_SEND_TO_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_SEND_TO_BOX), BST_CHECKED);
    ASSERT_TRUE(FileExists(shortcut));
    char self[1024] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    EXPECT_STREQ(ShortcutTarget(shortcut).c_str(), self);

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

}  // namespace
