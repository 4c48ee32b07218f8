// The main dialog as the template builds it: controls, texts, styles, places and Tab order.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/control_ids.h"
#include "app/main_dialog.h"
#include "support/dialog_fixture.h"

namespace {

struct ControlRow {
    int id;
    const char* className;
    const char* text;
    DWORD style;
    short x, y, cx, cy;  // dialog units
};

// Template order, which is also creation and Tab order.
const ControlRow kControls[] = {
    {IDC_TAG_COMBO, "ComboBox", "", 0x50210102, 6, 20, 98, 169},
    {IDC_ADD_BUTTON, "Button", "追加", 0x50010001, 107, 19, 31, 14},
    {IDC_DELETE_BUTTON, "Button", "削除", 0x50010000, 140, 19, 31, 14},
    {IDC_CLOSE_BUTTON, "Button", "閉じる", 0x50010000, 172, 19, 50, 14},
    {IDC_EXT_EDIT, "Edit", "", 0x50810080, 53, 55, 104, 12},
    {IDC_RECURSE_BOX, "Button", "サブフォルダ以下も含める", 0x50010003, 13, 71, 90, 10},
    {IDC_CHECK_ALL_BOX, "Button", "全てチェック", 0x50010003, 4, 95, 49, 10},
    {IDC_CLEAR_BUTTON, "Button", "リストのクリア", 0x50010000, 55, 93, 64, 14},
    {IDC_COUNT_LABEL, "Edit", "", 0x50810881, 121, 94, 67, 12},
    {IDC_UNDO_BUTTON, "Button", "元に戻す(&U)", 0x58010000, 190, 93, 50, 14},
    {IDC_CONTEXT_MENU_BOX, "Button", "右クリックに「タグの追加(&T)」を登録", 0x50010003, 248, 20, 118, 10},
    {IDC_SEND_TO_BOX, "Button", "「送る(&N)」に「タグの追加」を登録", 0x50010003, 248, 34, 113, 10},
    {IDC_FILE_LIST, "SysListView32", "", 0x50810801, 0, 109, 375, 237},
    {0xFFFF, "Static", "選択ファイルへ追加／削除するタグ", 0x50020000, 7, 10, 103, 8},
    {0xFFFF, "Static", "対象拡張子", 0x50020000, 14, 58, 38, 8},
    {0xFFFF, "Static", "※ここにＤ＆Ｄするとリストに追加できます", 0x50020000, 211, 76, 120, 8},
    {0xFFFF, "Button", "次回起動から有効になります", 0x50000007, 7, 39, 161, 48},
};

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Reads the DLGTEMPLATEEX resource as the dialog manager does.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : at_(bytes) {}
    WORD Word()
    {
        WORD value;
        memcpy(&value, at_, 2);
        at_ += 2;
        return value;
    }
    DWORD Dword()
    {
        DWORD value;
        memcpy(&value, at_, 4);
        at_ += 4;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *at_++; }
    // A string, or an ordinal written as "#n"; empty for none. Strings become Shift-JIS.
    std::string StringOrOrdinal()
    {
        WORD first = Word();
        if (first == 0) return "";
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        std::wstring wide(1, static_cast<wchar_t>(first));
        for (WORD c; (c = Word()) != 0;) wide.push_back(static_cast<wchar_t>(c));
        char narrow[1024] = {};
        WideCharToMultiByte(932, 0, wide.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
        return narrow;
    }
    void AlignDword(const BYTE* base)
    {
        while ((at_ - base) % 4) ++at_;
    }
    void Skip(size_t bytes) { at_ += bytes; }

private:
    const BYTE* at_;
};

TEST(DialogTemplate, TemplateHoldsTheDialogAndEveryControlExactly)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceExA(self, MAKEINTRESOURCEA(5) /* RT_DIALOG */, MAKEINTRESOURCEA(IDD_MAIN_DIALOG),
                                     MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    ASSERT_TRUE(resource) << "template 101 in Japanese";
    const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(self, resource)));
    TemplateReader in(base);
    EXPECT_EQ(in.Word(), 1);
    EXPECT_EQ(in.Word(), 0xFFFF);
    EXPECT_EQ(in.Dword(), 0u);
    EXPECT_EQ(in.Dword(), 0x40010u) << "WS_EX_APPWINDOW | WS_EX_ACCEPTFILES";
    EXPECT_EQ(in.Dword(), 0x80CF0840u);
    const WORD count = in.Word();
    ASSERT_EQ(count, std::size(kControls));
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 0);
    EXPECT_EQ(in.Short(), 375);
    EXPECT_EQ(in.Short(), 346);
    EXPECT_EQ(in.StringOrOrdinal(), "") << "no menu";
    EXPECT_EQ(in.StringOrOrdinal(), "") << "no class of its own";
    EXPECT_EQ(in.StringOrOrdinal(), "") << "no caption";
    EXPECT_EQ(in.Word(), 10);
    EXPECT_EQ(in.Word(), 400);
    EXPECT_EQ(in.Byte(), 0);
    EXPECT_EQ(in.Byte(), 128);
    EXPECT_EQ(in.StringOrOrdinal(), "MS UI Gothic");

    const char* const ordinals[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.id);
        in.AlignDword(base);
        EXPECT_EQ(in.Dword(), 0u) << "help ID";
        EXPECT_EQ(in.Dword(), 0u) << "extended style";
        EXPECT_EQ(in.Dword(), row.style);
        EXPECT_EQ(in.Short(), row.x);
        EXPECT_EQ(in.Short(), row.y);
        EXPECT_EQ(in.Short(), row.cx);
        EXPECT_EQ(in.Short(), row.cy);
        EXPECT_EQ(in.Dword() & 0xFFFF, static_cast<DWORD>(row.id));
        std::string className = in.StringOrOrdinal();
        if (className.size() > 1 && className[0] == '#') className = ordinals[std::stoi(className.substr(1)) - 0x80];
        EXPECT_STRCASEEQ(className.c_str(), row.className);
        EXPECT_EQ(in.StringOrOrdinal(), row.text);
        const WORD extra = in.Word();
        EXPECT_EQ(extra, 0) << "no creation data";
        in.Skip(extra);
    }
}

TEST(DialogTemplate, ControlsAreCreatedInTemplateOrderAtTheirPlaces)
{
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
        if (*row.text) {
            EXPECT_EQ(TextOf(child), row.text);
        }

        RECT place = {row.x, row.y, row.cx, row.cy};
        MapDialogRect(dialog.Window(), &place);  // x and width are mapped one by one, as the dialog manager does
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        EXPECT_EQ(actual.right - actual.left, place.right);
        // A combo box is as high as its edit field; the template's height is that of its drop-down list.
        if (row.id != IDC_TAG_COMBO) {
            EXPECT_EQ(actual.bottom - actual.top, place.bottom);
        }
    }
}

TEST(DialogTemplate, DialogIsAResizableCentredPopupThatAcceptsFiles)
{
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
    EXPECT_EQ(TextOf(dialog.Window()), "Tagrin v1.0.0") << "the template has no caption; the title comes once initialised";
}

TEST(DialogTemplate, TabOrderFollowsTheTemplate)
{
    TempProgramFolder folder;
    DialogUnderTest dialog;
    ASSERT_TRUE(dialog.Window());
    const int expected[] = {IDC_TAG_COMBO,   IDC_ADD_BUTTON,       IDC_DELETE_BUTTON, IDC_CLOSE_BUTTON,
                            IDC_EXT_EDIT,    IDC_RECURSE_BOX,      IDC_CHECK_ALL_BOX, IDC_CLEAR_BUTTON,
                            IDC_COUNT_LABEL, IDC_CONTEXT_MENU_BOX, IDC_SEND_TO_BOX,   IDC_FILE_LIST};
    HWND current = dialog.Item(IDC_TAG_COMBO);
    for (size_t i = 1; i < std::size(expected); ++i) {
        current = GetNextDlgTabItem(dialog.Window(), current, FALSE);
        EXPECT_EQ(GetDlgCtrlID(current), expected[i]) << "after " << expected[i - 1];
    }
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog.Window(), current, FALSE)), IDC_TAG_COMBO);
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
    EXPECT_TRUE(QueryActCtxW(0, nullptr, nullptr, RunlevelInformationInActivationContext, &level, sizeof level,
                             nullptr));
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    // Both assembly identities, the program's and the one it binds, name the architecture of this build.
    const std::string architecture =
        std::string("processorArchitecture=\"") + (sizeof(void*) == 8 ? "amd64" : "X86") + "\"";
    const size_t first = text.find(architecture);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find(architecture, first + 1), std::string::npos);
    EXPECT_EQ(text.find("processorArchitecture=\"", text.find(architecture, first + 1) + 1), std::string::npos);
}

TEST(DialogTemplate, DispatchTablesHoldEveryRowInOrder)
{
    const UINT messages[] = {WM_DESTROY,    WM_CLOSE,      WM_QUERYENDSESSION, WM_ENDSESSION, WM_INITDIALOG,
                             WM_SIZE,       WM_DPICHANGED, WM_DROPFILES,       WM_NOTIFY,     WM_COMMAND};
    for (size_t i = 0; i < std::size(messages); ++i) {
        EXPECT_EQ(MessageTable[i].message, messages[i]);
        EXPECT_NE(MessageTable[i].handler, nullptr);
    }
    const int commands[] = {IDC_ADD_BUTTON,   IDC_CLOSE_BUTTON,  IDC_DELETE_BUTTON,    IDC_UNDO_BUTTON,
                            IDC_CLEAR_BUTTON, IDC_CHECK_ALL_BOX, IDC_CONTEXT_MENU_BOX, IDC_SEND_TO_BOX};
    for (size_t i = 0; i < std::size(commands); ++i) {
        EXPECT_EQ(CommandTable[i].controlId, commands[i]);
        EXPECT_NE(CommandTable[i].handler, nullptr);
    }
}

}  // namespace
