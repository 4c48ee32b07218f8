// The main dialog as the user meets it: a resizable window that takes drops, every control there, visible, with
// its text, in Tab order, none covering another, Alt+U reaching 元に戻す; the manifest the process runs under.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "support/dialog_fixture.h"
#include "support/files.h"

namespace {

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT PlaceIn(HWND dialog, HWND child)
{
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST(DialogTemplate, EveryControlIsThereWithItsTextInTabOrderAndNoneCoversAnother)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    ASSERT_TRUE(dialog.Window());
    // A resizable window with a button of its own on the taskbar, which takes drops.
    const LONG style = GetWindowLongA(dialog.Window(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE),
              WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE);
    EXPECT_EQ(GetWindowLongA(dialog.Window(), GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_ACCEPTFILES),
              WS_EX_APPWINDOW | WS_EX_ACCEPTFILES);
    EXPECT_EQ(TextOf(dialog.Window()), "Tagrin v1.0.0");
    // Tab order, with the texts a user reads; the count label shows the count once initialised.
    const struct {
        int id;
        const char* text;
    } tabOrder[] = {
        // clang-format off
        {IDC_TAG_COMBO, ""}, {IDC_ADD_BUTTON, "追加"}, {IDC_DELETE_BUTTON, "削除"}, {IDC_CLOSE_BUTTON, "閉じる"},
        {IDC_EXT_EDIT, "*"}, {IDC_RECURSE_BOX, "サブフォルダ以下も含める"}, {IDC_CHECK_ALL_BOX, "全てチェック"},
        {IDC_CLEAR_BUTTON, "リストのクリア"}, {IDC_COUNT_LABEL, "合計 1件"},
        {IDC_CONTEXT_MENU_BOX, "右クリックに「タグの追加(&T)」を登録"}, {IDC_SEND_TO_BOX, "「送る(&N)」に「タグの追加」を登録"},
        {IDC_FILE_LIST, ""},
        // clang-format on
    };
    HWND current = dialog.Item(IDC_TAG_COMBO);
    for (const auto& control : tabOrder) {
        SCOPED_TRACE(control.id);
        EXPECT_EQ(GetDlgCtrlID(current), control.id);
        EXPECT_TRUE(IsWindowVisible(current));
        EXPECT_TRUE(control.text[0] == '\0' || TextOf(current) == control.text) << TextOf(current);
        current = GetNextDlgTabItem(dialog.Window(), current, FALSE);
    }
    EXPECT_EQ(current, dialog.Item(IDC_TAG_COMBO)) << "the order goes round";
    // 元に戻す is out of the order until there is something to put back.
    EXPECT_EQ(TextOf(dialog.Item(IDC_UNDO_BUTTON)), "元に戻す(&U)");
    EXPECT_FALSE(IsWindowEnabled(dialog.Item(IDC_UNDO_BUTTON)));

    // The labels stand beside what they name, and no two controls cover each other, but the frame round the
    // two values it speaks of.
    std::vector<std::string> labels;
    std::vector<std::pair<HWND, RECT>> places;
    RECT client;
    GetClientRect(dialog.Window(), &client);
    for (HWND child = GetWindow(dialog.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT place = PlaceIn(dialog.Window(), child);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right && place.bottom <= client.bottom)
            << TextOf(child);
        const bool label = (GetDlgCtrlID(child) & 0xFFFF) == 0xFFFF;
        if (label) labels.push_back(TextOf(child));
        if (!label || (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
            places.emplace_back(child, place);
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"選択ファイルへ追加／削除するタグ", "対象拡張子",
                                        "※ここにＤ＆Ｄするとリストに追加できます", "次回起動から有効になります"}));
    for (std::size_t i = 0; i < places.size(); ++i) {
        for (std::size_t j = i + 1; j < places.size(); ++j) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &places[i].second, &places[j].second))
                << TextOf(places[i].first) << " / " << TextOf(places[j].first);
        }
    }

    // Alt+U is 元に戻す once an Add has renamed something.
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    SendMessageA(dialog.Item(IDC_ADD_BUTTON), BM_CLICK, 0, 0);
    ASSERT_TRUE(FileExists(files.At("[Memo]a.txt")));
    SetFocus(dialog.Item(IDC_FILE_LIST));
    PostMessageA(dialog.Item(IDC_FILE_LIST), WM_SYSCHAR, 'u', 1 << 29);
    DrainMessageQueue(dialog.Window());
    EXPECT_TRUE(FileExists(files.At("a.txt")));
}

TEST(DialogTemplate, ManifestIsTheProcessManifestAndBindsCommonControls6)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC manifest = FindResourceExA(self, MAKEINTRESOURCEA(24) /* RT_MANIFEST */, MAKEINTRESOURCEA(1),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(manifest);
    std::string text(static_cast<const char*>(LockResource(LoadResource(self, manifest))),
                     SizeofResource(self, manifest));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos);
    // Per-monitor v2 or system awareness, never per-monitor v1; no elevation, no virtual store.
    for (const char* setting : {">true</dpiAware>", ">PerMonitorV2, System</dpiAwareness>",
                                "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
                                "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(text.find(setting), std::string::npos) << setting;
    }
    // The run level as the system reads it from the process's manifest: a misplaced block reads as none.
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = {};
    EXPECT_TRUE(
        QueryActCtxW(0, nullptr, nullptr, RunlevelInformationInActivationContext, &level, sizeof level, nullptr));
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    // Both assembly identities, the program's and the one it binds, name the architecture of this build.
    const std::string architecture =
        std::string("processorArchitecture=\"") + (sizeof(void*) == 8 ? "amd64" : "X86") + "\"";
    const size_t first = text.find(architecture);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find(architecture, first + 1), std::string::npos);
    EXPECT_EQ(text.find("processorArchitecture=\"", text.find(architecture, first + 1) + 1), std::string::npos);
}

}  // namespace
