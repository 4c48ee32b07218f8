// The main dialog driven with messages: start-up order, drops, header clicks, the list buttons,
// resizing, closing, and the queue drain.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "support/dialog_fixture.h"
#include "support/files.h"

namespace {

int StateImage(HWND list, int row)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12);
}

// A drop as the shell makes it: a DROPFILES block followed by NUL-separated paths and one more NUL.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* cursor = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        memcpy(cursor, path.c_str(), path.size() + 1);
        cursor += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(MainDialog, StartsWithTheSavedFilterAndFlagAndListsTheCommandLine)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.Join("設定.ini"), "[設定]\r\next=txt\r\nIsDir=0\r\n"));
    ASSERT_TRUE(MakeFolder(folder.Join("sub")));
    ASSERT_TRUE(WriteFileBytes(folder.Join("sub\\inner.txt"), "x"));
    ASSERT_TRUE(WriteFileBytes(folder.Join("a b.txt"), "x"));
    std::string tail = "\"" + folder.Join("a b.txt") + "\" " + folder.Join("sub") + " rel.txt skip.jpg";
    DialogUnderTest dialog(tail.c_str());
    ASSERT_TRUE(dialog.Window());

    EXPECT_EQ(dialog.ItemText(IDC_EXT_EDIT), "txt");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_RECURSE_BOX), BST_UNCHECKED);
    // The folder is skipped (flag 0), the .jpg fails the filter, a relative path stays relative.
    EXPECT_EQ(ColumnTexts(dialog.Window(), 2), (std::vector<std::string>{folder.Join("a b.txt"), "rel.txt"}));
    EXPECT_EQ(ColumnTexts(dialog.Window(), 1), (std::vector<std::string>{"a b.txt", "rel.txt"}));
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 2件");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_CHECK_ALL_BOX), BST_UNCHECKED);
}

TEST(MainDialog, WithoutSettingsTheFilterTakesEverythingAndFoldersAreSearched)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder(folder.Join("sub")));
    ASSERT_TRUE(WriteFileBytes(folder.Join("sub\\x.jpg"), "x"));
    std::string tail = folder.Join("sub");
    DialogUnderTest dialog(tail.c_str());
    EXPECT_EQ(dialog.ItemText(IDC_EXT_EDIT), "*");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_RECURSE_BOX), BST_CHECKED);
    EXPECT_EQ(ColumnTexts(dialog.Window(), 2), (std::vector<std::string>{folder.Join("sub\\x.jpg")}));
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 1件");
}

TEST(MainDialog, ADropUsesTheControlsAsTheyStandAndRefreshesTheCount)
{
    TempProgramFolder folder;
    ASSERT_TRUE(MakeFolder(folder.Join("d")));
    ASSERT_TRUE(WriteFileBytes(folder.Join("d\\[Memo]one.txt"), "1"));
    ASSERT_TRUE(WriteFileBytes(folder.Join("d\\two.jpg"), "2"));
    ASSERT_TRUE(WriteFileBytes(folder.Join("my file.txt"), "3"));
    DialogUnderTest dialog;
    SetDlgItemTextA(dialog.Window(), IDC_EXT_EDIT, "txt");
    CheckDlgButton(dialog.Window(), IDC_RECURSE_BOX, BST_CHECKED);

    SendMessageA(dialog.Window(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({folder.Join("d"), folder.Join("my file.txt")})), 0);
    EXPECT_EQ(ColumnTexts(dialog.Window(), 2),
              (std::vector<std::string>{folder.Join("d\\[Memo]one.txt"), folder.Join("my file.txt")}));
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 2件");
    // The tags of the dropped names are offered in the picker.
    EXPECT_EQ(
        SendDlgItemMessageA(dialog.Window(), IDC_TAG_COMBO, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Memo")),
        0);

    // The same file again, in another letter case, adds no second row.
    std::string again = folder.Join("MY FILE.TXT");
    SendMessageA(dialog.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({again})), 0);
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 2件");
}

TEST(MainDialog, HeaderClicksSortDescendingFirstThenFlip)
{
    TempProgramFolder folder;
    DialogUnderTest dialog("b.txt a.txt B2.txt");
    HWND list = dialog.Item(IDC_FILE_LIST);
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = IDC_FILE_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = 1;
    SendMessageA(dialog.Window(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(ColumnTexts(dialog.Window(), 1), (std::vector<std::string>{"b.txt", "a.txt", "B2.txt"}));
    SendMessageA(dialog.Window(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(ColumnTexts(dialog.Window(), 1), (std::vector<std::string>{"B2.txt", "a.txt", "b.txt"}));
}

TEST(MainDialog, CheckAllExcludesEveryRowAndClearEmptiesTheList)
{
    TempProgramFolder folder;
    DialogUnderTest dialog("a.txt b.txt");
    HWND list = dialog.Item(IDC_FILE_LIST);
    SendMessageA(dialog.Item(IDC_CHECK_ALL_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(StateImage(list, 0), 2);
    EXPECT_EQ(StateImage(list, 1), 2);
    SendMessageA(dialog.Item(IDC_CHECK_ALL_BOX), BM_CLICK, 0, 0);
    EXPECT_EQ(StateImage(list, 0), 1);

    SendMessageA(dialog.Item(IDC_CLEAR_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 0件");
    // Cleared rows are gone from the duplicate test too: the same path comes back.
    SendMessageA(dialog.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"a.txt"})), 0);
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 1件");
}

TEST(MainDialog, ResizingMovesOnlyTheListAndAMinimisedWindowKeepsIt)
{
    TempProgramFolder folder;
    DialogUnderTest dialog;
    HWND list = dialog.Item(IDC_FILE_LIST);
    RECT comboBefore;
    GetWindowRect(dialog.Item(IDC_TAG_COMBO), &comboBefore);
    MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&comboBefore), 2);

    SetWindowPos(dialog.Window(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
    RECT client, frame;
    GetClientRect(dialog.Window(), &client);
    GetWindowRect(list, &frame);
    MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.right, client.right);
    EXPECT_EQ(frame.bottom, client.bottom);
    RECT unitTop = {0, 109, 0, 0};
    MapDialogRect(dialog.Window(), &unitTop);
    EXPECT_EQ(frame.top, unitTop.top);

    RECT comboAfter;
    GetWindowRect(dialog.Item(IDC_TAG_COMBO), &comboAfter);
    MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&comboAfter), 2);
    EXPECT_TRUE(EqualRect(&comboBefore, &comboAfter));

    // A size lower than the list's top (as when minimised) leaves the list as it is.
    SendMessageA(dialog.Window(), WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    RECT still;
    GetWindowRect(list, &still);
    MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&still), 2);
    EXPECT_TRUE(EqualRect(&frame, &still));
}

TEST(MainDialog, CloseSavesSettingsAndHistoryAndQuitsWithZero)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.Join("設定.ini"), "[タグ括弧]\r\ntag1=[\r\n[設定]\r\next=*\r\nIsDir=2\r\n"));
    ASSERT_TRUE(WriteFileBytes(folder.Join("[Old]x.txt"), "x"));
    DialogUnderTest dialog("[Old]x.txt");
    SetDlgItemTextA(dialog.Window(), IDC_EXT_EDIT, "txt;jpg");
    EXPECT_EQ(dialog.Close(), 0);
    EXPECT_FALSE(IsWindow(dialog.Window()));

    char value[1024] = {};
    GetPrivateProfileStringA("設定", "ext", "", value, sizeof value, ".\\設定.ini");
    EXPECT_STREQ(value, "txt;jpg");
    GetPrivateProfileStringA("設定", "IsDir", "", value, sizeof value, ".\\設定.ini");
    EXPECT_STREQ(value, "1") << "any nonzero value is written back as 1";
    GetPrivateProfileStringA("タグ括弧", "tag1", "", value, sizeof value, ".\\設定.ini");
    EXPECT_STREQ(value, "[") << "the other section is kept";
    EXPECT_EQ(ReadFileBytes(folder.Join("タグ.txt")), "Old\r\n");
}

TEST(MainDialog, EscAndTheCloseButtonCloseLikeTheCloseBox)
{
    for (int way = 0; way < 2; ++way) {
        TempProgramFolder folder;
        DialogUnderTest dialog;
        if (way == 0) {
            SendMessageA(dialog.Item(IDC_CLOSE_BUTTON), BM_CLICK, 0, 0);
        } else {
            MSG esc = {};
            esc.hwnd = dialog.Item(IDC_TAG_COMBO);
            esc.message = WM_KEYDOWN;
            esc.wParam = VK_ESCAPE;
            esc.lParam = 0x00010001;
            IsDialogMessageA(dialog.Window(), &esc);
        }
        PumpMessages();
        EXPECT_FALSE(IsWindow(dialog.Window())) << way;
        EXPECT_TRUE(FileExists(folder.Join("設定.ini"))) << way;
    }
}

// Another thread reads the count label during a long Add: its WM_GETTEXT is handled only in the batch's
// look at the queue. A close sent the same way waits for the drain after the batch, which ends whole.
TEST(MainDialog, ALongBatchShowsItsProgressThenTheCount)
{
    DialogUnderTest dialog;
    ListViewOps list = ListViewOps::OfDialog(dialog.Window());
    const int rows = 20000;
    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    for (int row = 0; row < rows; ++row) {
        char location[64];
        std::snprintf(location, sizeof location, "C:\\missing folder\\file_%05d.txt", row);
        AppendFileRow(list, location);
    }
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    SetWindowTextA(GetWindow(dialog.Item(IDC_TAG_COMBO), GW_CHILD), "Memo");

    // The first run is read; during the second, the reader also sends a close.
    const std::string expected = "/" + std::to_string(rows);
    for (bool sendClose : {false, true}) {
        std::atomic<bool> stop{false};
        std::vector<std::string> seen;
        HWND label = dialog.Item(IDC_COUNT_LABEL);
        HWND window = dialog.Window();
        std::thread reader([&] {
            bool closeSent = !sendClose;
            while (!stop) {
                char text[64] = {};
                DWORD_PTR copied = 0;
                if (!SendMessageTimeoutA(label, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                                         200, &copied))
                    continue;
                seen.push_back(text);
                if (!closeSent && seen.back().rfind("処理中 ", 0) == 0) {
                    closeSent = SendMessageTimeoutA(window, WM_CLOSE, 0, 0, SMTO_NORMAL, 200, &copied) != 0;
                }
            }
        });
        ClickButton(window, IDC_ADD_BUTTON);
        const bool open = IsWindow(window) != FALSE;
        const std::string after = open ? dialog.ItemText(IDC_COUNT_LABEL) : "";
        stop = true;
        reader.join();

        bool progressShown = false;
        for (const std::string& text : seen) {
            progressShown =
                progressShown || (text.rfind("処理中 ", 0) == 0 && text.size() > expected.size() &&
                                  text.compare(text.size() - expected.size(), expected.size(), expected) == 0);
        }
        EXPECT_TRUE(progressShown) << "close sent: " << sendClose;
        // The close waited for the drain after the whole batch.
        EXPECT_EQ(!sendClose, open);
        if (!sendClose) {
            EXPECT_EQ("合計 20000件", after);
        }
    }
}

TEST(MessageQueue, DrainHandsAQuitOnWithItsExitCode)
{
    PostQuitMessage(7);
    DrainMessageQueue(nullptr);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
    // An empty queue returns at once.
    DrainMessageQueue(nullptr);
}

// The list's sizes are pixels at 96 DPI, scaled to the screen's DPI at creation and to a new one when the window
// moves to a display of another scaling. The suite runs once more on a screen of 144 DPI (TAGRIN_TEST_DPI).
TEST(MainDialogDpi, ColumnsAndRowsScaleFrom96DpiAndFollowADpiChange)
{
    TempProgramFolder folder;
    DialogUnderTest dialog;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (const char* wanted = std::getenv("TAGRIN_TEST_DPI")) {
        ASSERT_EQ(dpi, std::atoi(wanted)) << "the screen this run was meant for";
    }
    HWND list = dialog.Item(IDC_FILE_LIST);
    RECT suggested = {10, 20, 910, 820};
    for (int shown : {dpi, dpi * 2}) {
        int sizesAt96[] = {40, 320, 200, 50, 24}, sizes[5] = {}, iconWidth = 0;
        for (int column = 0; column < 4; ++column) sizes[column] = ListView_GetColumnWidth(list, column);
        ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &iconWidth, &sizes[4]);
        for (int i = 0; i < 5; ++i) EXPECT_NEAR(sizes[i], sizesAt96[i] * shown / 96.0, 1) << i << " at " << shown;
        SendMessageA(dialog.Window(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    RECT now = {};
    GetWindowRect(dialog.Window(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
}

}  // namespace
