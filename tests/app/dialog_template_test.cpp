// The main dialog as the template builds it: controls, texts, styles, places and Tab order.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/main_dialog.h"
#include "dialog_fixture.h"

namespace {

struct ControlRow {
    int id;
    const char* className;
    const char* text;
    LONG style;
    RECT units;  // x, y, x + cx, y + cy in dialog units
};

// Template order, which is also creation and Tab order.
const ControlRow kControls[] = {
    {kTagCombo, "ComboBox", "", 0x50210102, {6, 20, 104, 189}},
    {kAddButton, "Button", "追加", 0x50010001, {107, 19, 138, 33}},
    {kDeleteButton, "Button", "削除", 0x50010000, {140, 19, 171, 33}},
    {kCloseButton, "Button", "閉じる", 0x50010000, {172, 19, 222, 33}},
    {kExtEdit, "Edit", "", 0x50810080, {53, 55, 157, 67}},
    {kRecurseBox, "Button", "サブフォルダ以下も含める", 0x50010003, {13, 71, 103, 81}},
    {kCheckAllBox, "Button", "全てチェック", 0x50010003, {4, 95, 53, 105}},
    {kClearButton, "Button", "リストのクリア", 0x50010000, {55, 93, 119, 107}},
    {kCountLabel, "Edit", "合計 0件", 0x50810881, {121, 94, 188, 106}},
    {kContextMenuBox, "Button", "右クリックに「タグの追加(&T)」を登録", 0x50010003, {248, 20, 366, 30}},
    {kSendToBox, "Button", "「送る(&N)」に「タグの追加」を登録", 0x50010003, {248, 34, 361, 44}},
    {kFileList, "SysListView32", "", 0x50810801, {0, 109, 375, 346}},
    {0xFFFF, "Static", "選択ファイルへ追加／削除するタグ", 0x50020000, {7, 10, 110, 18}},
    {0xFFFF, "Static", "対象拡張子", 0x50020000, {14, 58, 52, 66}},
    {0xFFFF, "Static", "※ここにＤ＆Ｄするとリストに追加できます", 0x50020000, {211, 76, 331, 84}},
    {0xFFFF, "Button", "次回起動から有効になります", 0x50000007, {7, 39, 168, 87}},
};

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(DialogTemplate, ControlsStandInTemplateOrderWithTheirIdsTextsAndStyles) {
    TempProgramFolder folder;
    DialogUnderTest dialog;
    ASSERT_TRUE(dialog.Window());

    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    ASSERT_EQ(children.size(), std::size(kControls));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        HWND child = children[i];
        EXPECT_EQ(GetDlgCtrlID(child) & 0xFFFF, row.id);
        EXPECT_STRCASEEQ(ClassOf(child).c_str(), row.className);
        if (row.id != kTagCombo) EXPECT_EQ(TextOf(child), row.text);
        // The controls may add bits of their own; every template bit must be there.
        LONG style = GetWindowLongA(child, GWL_STYLE);
        EXPECT_EQ(style & row.style, row.style) << std::hex << style;
        EXPECT_EQ(GetWindowLongA(child, GWL_EXSTYLE) & ~(WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE), 0);

        RECT expected = row.units;
        MapDialogRect(dialog.Window(), &expected);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        // A combo box is as high as its edit field; the template's height is that of its drop-down list.
        if (row.id != kTagCombo) EXPECT_EQ(actual.bottom, expected.bottom);
    }
}

TEST(DialogTemplate, DialogIsAResizableCentredPopupThatAcceptsFiles) {
    TempProgramFolder folder;
    DialogUnderTest dialog;
    ASSERT_TRUE(dialog.Window());
    const LONG style = GetWindowLongA(dialog.Window(), GWL_STYLE);
    for (DWORD bit : {DWORD(WS_POPUP), DWORD(WS_CAPTION), DWORD(WS_SYSMENU), DWORD(WS_THICKFRAME),
                      DWORD(WS_MINIMIZEBOX), DWORD(WS_MAXIMIZEBOX)}) {
        EXPECT_TRUE(style & bit) << std::hex << bit;
    }
    EXPECT_TRUE(style & WS_VISIBLE) << "initialisation shows the window";
    const LONG exStyle = GetWindowLongA(dialog.Window(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
    EXPECT_EQ(TextOf(dialog.Window()), "") << "the template has no caption; start-up sets the title";
}

TEST(DialogTemplate, TabOrderFollowsTheTemplate) {
    TempProgramFolder folder;
    DialogUnderTest dialog;
    ASSERT_TRUE(dialog.Window());
    const int expected[] = {kTagCombo, kAddButton, kDeleteButton, kCloseButton, kExtEdit, kRecurseBox,
                            kCheckAllBox, kClearButton, kCountLabel, kContextMenuBox, kSendToBox, kFileList};
    HWND current = dialog.Item(kTagCombo);
    for (size_t i = 1; i < std::size(expected); ++i) {
        current = GetNextDlgTabItem(dialog.Window(), current, FALSE);
        EXPECT_EQ(GetDlgCtrlID(current), expected[i]) << "after " << expected[i - 1];
    }
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog.Window(), current, FALSE)), kTagCombo);
}

TEST(DialogTemplate, TemplateIsJapaneseAndTheManifestIsTheProcessManifest) {
    HMODULE self = GetModuleHandleA(nullptr);
    EXPECT_TRUE(FindResourceExA(self, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(kMainDialogTemplate),
                                MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)));
    HRSRC manifest = FindResourceExA(self, MAKEINTRESOURCEA(24) /* RT_MANIFEST */, MAKEINTRESOURCEA(1),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(manifest);
    std::string text(static_cast<const char*>(LockResource(LoadResource(self, manifest))),
                     SizeofResource(self, manifest));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    EXPECT_EQ(text.find("requestedExecutionLevel"), std::string::npos);
}

TEST(DialogTemplate, DispatchTablesHoldEveryRowInOrder) {
    const UINT messages[] = {WM_DESTROY, WM_CLOSE, WM_INITDIALOG, WM_SIZE, WM_DROPFILES, WM_NOTIFY, WM_COMMAND};
    for (size_t i = 0; i < std::size(messages); ++i) {
        EXPECT_EQ(MessageTable[i].message, messages[i]);
        EXPECT_NE(MessageTable[i].handler, nullptr);
    }
    const int commands[] = {kAddButton, kCloseButton, kDeleteButton, kClearButton, kCheckAllBox, kContextMenuBox,
                            kSendToBox};
    for (size_t i = 0; i < std::size(commands); ++i) {
        EXPECT_EQ(CommandTable[i].controlId, commands[i]);
        EXPECT_NE(CommandTable[i].handler, nullptr);
    }
}

}  // namespace
