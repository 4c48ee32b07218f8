// The Add and Delete buttons of the real main dialog: the tag as typed, the batch, the history,
// and the button that stays disabled until the messages queued meanwhile have been handled.
#include "tags/tag_commands.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "support/dialog_fixture.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/window_input.h"
#include "text/text_buffer.h"

namespace {

void Click(const DialogUnderTest& dialog, int button)
{
    SendMessageA(dialog.Item(button), BM_CLICK, 0, 0);
}

TEST(TagCommands, EnterAddsTheTrimmedTagAndDeleteTakesItOff)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt", "b.txt", "ソ.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    ASSERT_TRUE(dialog.Window());
    ASSERT_EQ(ColumnTexts(dialog.Window(), kColumnName).size(), 3u);

    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "　Memo ");
    // Enter in the combo box is the default button's command.
    HWND edit = GetWindow(dialog.Item(IDC_TAG_COMBO), GW_CHILD);
    SetFocus(edit);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, 0);
    DrainMessageQueue(dialog.Window());

    std::vector<std::string> tagged = {"[Memo]a.txt", "[Memo]b.txt", "[Memo]ソ.txt"};
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), tagged);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnLocation), files.Locations(tagged));
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>(3, "完"));
    for (const std::string& location : files.Locations(tagged)) EXPECT_TRUE(FileExists(location)) << location;
    EXPECT_EQ(ReadFileBytes(program.Join("タグ.txt")), "Memo\r\n");
    EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_ADD_BUTTON)));

    Click(dialog, IDC_DELETE_BUTTON);
    std::vector<std::string> plain = {"a.txt", "b.txt", "ソ.txt"};
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), plain);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>(3, "完"));
    for (const std::string& location : files.Locations(plain)) EXPECT_TRUE(FileExists(location)) << location;
    EXPECT_EQ(ReadFileBytes(program.Join("タグ.txt")), "Memo\r\n");
    EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_DELETE_BUTTON)));
}

TEST(TagCommands, BlankTagClearsResultsAndTouchesNothing)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt", "b.txt", "ソ.txt"});
    ASSERT_TRUE(WriteFileBytes(files.folder + "\\[x]a.txt", "blocker"));
    DialogUnderTest dialog(files.tail.c_str());
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "x");
    Click(dialog, IDC_ADD_BUTTON);
    ASSERT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"失敗", "完", "完"}));

    for (const char* blank : {"", "　 \t"}) {
        SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, blank);
        for (int button : {IDC_ADD_BUTTON, IDC_DELETE_BUTTON}) {
            Click(dialog, button);
            EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>(3, ""));
            EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName),
                      (std::vector<std::string>{"a.txt", "[x]b.txt", "[x]ソ.txt"}));
        }
    }
    EXPECT_EQ(ReadFileBytes(program.Join("タグ.txt")), "x\r\n");
}

// The blanks of the added texts (kept by quotes) are no brackets: a tag with a blank inside is taken, and what Add
// wrote, Delete takes away.
TEST(TagCommands, ABlankInTheAddedTextsRefusesNoTag)
{
    TempProgramFolder program;
    ASSERT_TRUE(WriteFileBytes(program.Join("設定.ini"), "[タグ括弧]\r\naddtag1=[\r\naddtag2=\"] \"\r\n"));
    ListedFiles files(program, {"x.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "a b");
    Click(dialog, IDC_ADD_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), std::vector<std::string>{"[a b] x.txt"});
    Click(dialog, IDC_DELETE_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), std::vector<std::string>{"x.txt"});
}

// A tag is written exactly as typed or not at all: refused before any rename, with one box saying why.
TEST(TagCommands, ATagThatCouldNotBeWrittenAndReadBackIsRefusedBeforeAnyRename)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt", "[a]b.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    const std::vector<std::string> names = FolderNames(files.folder);
    static const std::wstring longTag(254, L'\u8868');  // 表: one character of two bytes
    const struct {
        const wchar_t* tag;
        const wchar_t* why;
    } cases[] = {
        {L"caf\u00e9", L"Shift-JIS"},      {L"a]b", L"tag1, tag2"},     {L"【重要】", L"tag1, tag2"},
        {L"(draft)", L"tag1, tag2"},       {L"a\\b", L"ファイル名に"}, {L" x? ", L"ファイル名に"},
        {L"\u301c", L"Shift-JIS"},         {L"a\tb", L"制御文字"},      {longTag.c_str(), L"長すぎます"},
    };
    for (const auto& c : cases) {
        for (int button : {IDC_ADD_BUTTON, IDC_DELETE_BUTTON}) {
            SetDlgItemTextW(dialog.Window(), IDC_TAG_COMBO, c.tag);
            MessageBoxAnswers boxes;
            Click(dialog, button);
            const std::vector<std::wstring> told = boxes.Texts();
            ASSERT_EQ(told.size(), 1u);
            EXPECT_NE(told[0].find(c.tag), std::wstring::npos);
            EXPECT_NE(told[0].find(c.why), std::wstring::npos);
            EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>(2, ""));
            EXPECT_EQ(FolderNames(files.folder), names);
        }
    }
    EXPECT_FALSE(FileExists(program.Join("タグ.txt")));
}

// A name the file system would change (a final dot) or a path the file calls cannot reach is never made.
TEST(TagCommands, ARenameThatWouldLeaveANameOutOfReachFails)
{
    TempProgramFolder program;
    const std::string folder = program.Join("files");
    const std::string longName = std::string(255 - folder.size() - 1 - 4, 'n') + ".txt";  // a path of 255
    ListedFiles files(program, {"report.[Memo]", "[Memo]ok.txt", longName.c_str()});
    DialogUnderTest dialog(files.tail.c_str());
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    Click(dialog, IDC_DELETE_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"失敗", "完", ""}));
    Click(dialog, IDC_ADD_BUTTON);
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"", "完", "失敗"}));
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"[Memo]ok.txt", longName, "report.[Memo]"}));
}

TEST(TagCommands, UndoIsEnabledFromABatchThatRenamedUntilItIsUsedOrTheListIsCleared)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt", "ソ.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    EXPECT_FALSE(IsWindowEnabled(dialog.Item(IDC_UNDO_BUTTON)));
    const std::vector<std::string> tagged = {"[Memo]a.txt", "[Memo]ソ.txt"}, plain = {"a.txt", "ソ.txt"};
    // The second Add renames nothing and leaves the record; Delete after the undo renames nothing either.
    const struct {
        int button;
        bool undoEnabled;
        std::vector<std::string> names;
    } steps[] = {{IDC_ADD_BUTTON, true, tagged},    {IDC_ADD_BUTTON, true, tagged}, {IDC_UNDO_BUTTON, false, plain},
                 {IDC_DELETE_BUTTON, false, plain}, {IDC_ADD_BUTTON, true, tagged}, {IDC_CLEAR_BUTTON, false, {}}};
    for (const auto& step : steps) {
        Click(dialog, step.button);
        EXPECT_EQ(IsWindowEnabled(dialog.Item(IDC_UNDO_BUTTON)) != FALSE, step.undoEnabled) << step.button;
        EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnName), step.names) << step.button;
    }
    EXPECT_EQ(ReadFileBytes(program.Join("タグ.txt")), "Memo\r\n");
}

// Records whether the Add button was enabled when a message queued before the batch was handled.
struct DrainProbe {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_APP) {
            handled = true;
            buttonEnabled = IsWindowEnabled(reinterpret_cast<HWND>(lParam)) != FALSE;
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static bool handled;
    static bool buttonEnabled;
};
bool DrainProbe::handled = false;
bool DrainProbe::buttonEnabled = true;

TEST(TagCommands, InputQueuedDuringTheBatchMeetsADisabledButton)
{
    TempProgramFolder program;
    ListedFiles files(program, {"a.txt", "b.txt", "ソ.txt"});
    DialogUnderTest dialog(files.tail.c_str());
    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = DrainProbe::Proc;
    probeClass.hInstance = GetModuleHandleA(nullptr);
    probeClass.lpszClassName = "TagrinDrainProbe";
    RegisterClassA(&probeClass);
    HWND probe = CreateWindowA("TagrinDrainProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(probe);

    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    PostMessageA(probe, WM_APP, 0, reinterpret_cast<LPARAM>(dialog.Item(IDC_ADD_BUTTON)));
    Click(dialog, IDC_ADD_BUTTON);

    EXPECT_TRUE(DrainProbe::handled);
    EXPECT_FALSE(DrainProbe::buttonEnabled);
    EXPECT_TRUE(IsWindowEnabled(dialog.Item(IDC_ADD_BUTTON)));
    EXPECT_EQ(ColumnTexts(dialog.Window(), kColumnResult), std::vector<std::string>(3, "完"));
    DestroyWindow(probe);
}

// The tip the pointer gets over a row, asked for as the tip asks the dialog: the pointer on the row's file name.
std::wstring TipOverRow(const DialogUnderTest& dialog, int row)
{
    HWND list = dialog.Item(IDC_FILE_LIST);
    RECT cell = {LVIR_BOUNDS, 1, 0, 0};  // the file name's cell
    SendMessageA(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    POINT at = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(list, &at);
    SetCursorPos(at.x, at.y);
    HWND tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) != nullptr) {
        if (GetWindow(tip, GW_OWNER) == dialog.Window()) break;
    }
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = tip;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(list);
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(dialog.Window(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    return info.lpszText != nullptr ? Utf16(info.lpszText) : L"";
}

// Every 失敗 can be explained by pointing at it: each cause made for real, the tip over its row, none over a row
// that did not fail. A held file stays held through its batch; 元に戻す meets a file changed since Delete.
TEST(TagCommands, EachFailureTellsItsCauseWhereThePointerRests)
{
    const std::string longName = std::string(200, 'n') + ".txt";
    HANDLE held = INVALID_HANDLE_VALUE;
    const struct {
        const char* what;
        std::vector<const char*> names;  // listed; the first is the one that fails
        int first;                       // a button pressed before the change, or 0
        std::function<void(const ListedFiles&)> change;
        int button;
        const char* tag;
        const wchar_t* tip;
    } cases[] = {
        // clang-format off
        {"a file at the new name", {"a.txt", "b.txt"}, 0, [](const ListedFiles& f) { WriteFileBytes(f.At("[M]a.txt"), ""); },
         IDC_ADD_BUTTON, "M", L"同じ名前のファイルがすでにあります"},
        {"a folder at the new name", {"a.txt", "b.txt"}, 0, [](const ListedFiles& f) { MakeFolder(f.At("[M]a.txt")); },
         IDC_ADD_BUTTON, "M", L"同じ名前のフォルダがすでにあります"},
        {"removed behind the list", {"a.txt", "b.txt"}, 0, [](const ListedFiles& f) { DeleteFileA(f.At("a.txt").c_str()); },
         IDC_ADD_BUTTON, "M", L"移動・削除されたか"},
        {"held open", {"a.txt", "b.txt"}, 0, [&](const ListedFiles& f) {
             held = CreateFileA(f.At("a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
         IDC_ADD_BUTTON, "M", L"ほかのプログラムが使用中です"},
        {"a path over the limit", {longName.c_str(), "b.txt"}, 0, [](const ListedFiles&) {}, IDC_ADD_BUTTON,
         "Memo Memo Memo Memo Memo Memo", L"パスが 259 文字を超えます"},
        {"a name Delete would leave empty", {"[M]", "[M]b.txt"}, 0, [](const ListedFiles&) {}, IDC_DELETE_BUTTON, "M",
         L"空、空白だけ"},
        {"元に戻す after a change", {"[M]a.txt", "[M]b.txt"}, IDC_DELETE_BUTTON,
         [](const ListedFiles& f) { WriteFileBytes(f.At("a.txt"), "changed since"); }, IDC_UNDO_BUTTON, "M", L"変更されたか"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramFolder program;
        ListedFiles files(program, {});
        std::string tail;
        for (const char* name : c.names) {
            WriteFileBytes(files.At(name), name);
            tail += "\"" + files.At(name) + "\" ";
        }
        DialogUnderTest dialog(tail.c_str());
        SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, c.tag);
        if (c.first) Click(dialog, c.first);
        c.change(files);
        Click(dialog, c.button);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held, INVALID_HANDLE_VALUE));
        ASSERT_EQ(ColumnTexts(dialog.Window(), kColumnResult), (std::vector<std::string>{"失敗", "完"}));
        EXPECT_NE(TipOverRow(dialog, 0).find(c.tip), std::wstring::npos);
        EXPECT_EQ(TipOverRow(dialog, 1), L"");
    }
}

// After a long batch the first failed row is in view, and the selection stays as it was.
TEST(TagCommands, AfterABatchTheFirstFailureIsInView)
{
    TempProgramFolder program;
    ListedFiles files(program, {});
    std::string tail;
    for (int i = 0; i < 60; ++i) {
        const std::string name = "f" + std::to_string(100 + i) + ".txt";
        WriteFileBytes(files.At(name), name);
        tail += "\"" + files.At(name) + "\" ";
    }
    ASSERT_TRUE(WriteFileBytes(files.At("[Memo]f150.txt"), "taken"));
    DialogUnderTest dialog(tail.c_str());
    HWND list = dialog.Item(IDC_FILE_LIST);
    ListView_SetItemState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
    SetDlgItemTextA(dialog.Window(), IDC_TAG_COMBO, "Memo");
    Click(dialog, IDC_ADD_BUTTON);
    const int top = ListView_GetTopIndex(list);
    EXPECT_TRUE(top <= 50 && 50 < top + ListView_GetCountPerPage(list)) << top;
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 2);
    EXPECT_EQ(ListView_GetSelectedCount(list), 1u);
}

}  // namespace
