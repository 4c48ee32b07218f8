// The main dialog driven with messages: start-up order, drops, header clicks, the list buttons,
// resizing, closing, and the queue drain.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "res/control_ids.h"
#include "app/message_loop.h"
#include "app/work_area.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "filelist/work_progress.h"
#include "support/dialog_fixture.h"
#include "support/files.h"
#include "support/window_input.h"

namespace {

int StateImage(HWND list, int row)
{
    return static_cast<int>(SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12);
}

// A drop as the shell makes it: a DROPFILES block followed by NUL-separated UTF-16 paths and one more NUL.
HDROP MakeDrop(const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& path : paths) list += path + L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::vector<std::wstring> wide;
    for (const std::string& path : paths) wide.push_back(Utf16(path));
    return MakeDrop(wide);
}

TEST(MainDialog, StartsWithTheSavedFilterAndFlagAndListsTheCommandLine)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteFileBytes(folder.Join("設定.ini"), "[設定]\r\next=txt\r\nIsDir=0\r\n"));
    ASSERT_TRUE(MakeFolder(folder.Join("sub")));
    ASSERT_TRUE(WriteFileBytes(folder.Join("sub\\inner.txt"), "x"));
    for (const char* name : {"a b.txt", "rel.txt", "skip.jpg"}) ASSERT_TRUE(WriteFileBytes(folder.Join(name), "x"));
    std::string tail = "\"" + folder.Join("a b.txt") + "\" " + folder.Join("sub") + " rel.txt skip.jpg bad. \"bad \"";
    MessageBoxAnswers boxes;
    DialogUnderTest dialog(tail.c_str());
    ASSERT_TRUE(dialog.Window());
    // One box for the whole command line, naming each path left out.
    const std::vector<std::wstring> told = boxes.Texts();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind(L"Tagrin|次の 2 件", 0), 0u) << told[0].size();
    EXPECT_NE(told[0].find(L"\nbad.\n"), std::wstring::npos);
    EXPECT_NE(told[0].find(L"\nbad \n"), std::wstring::npos);

    EXPECT_EQ(dialog.ItemText(IDC_EXT_EDIT), "txt");
    EXPECT_EQ(IsDlgButtonChecked(dialog.Window(), IDC_RECURSE_BOX), BST_UNCHECKED);
    // The folder is skipped (flag 0), the .jpg fails the filter, a relative path is made whole.
    EXPECT_EQ(ColumnTexts(dialog.Window(), 2),
              (std::vector<std::string>{folder.Join("a b.txt"), folder.Join("rel.txt")}));
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

// A drop of files the shell names in UTF-16: each path is taken as given, whatever it holds, and what cannot
// be taken exactly is told in one box after the list, the picker and the count stand.
TEST(MainDialog, ADropTakesEachPathExactlyAndTellsOnceWhatItLeftOut)
{
    TempProgramFolder folder;
    const std::wstring d = Utf16(folder.Join("d"));
    ASSERT_TRUE(MakeFolder(folder.Join("d")));
    for (const wchar_t* name : {L"caf\u00e9.txt", L"cafe.txt", L"\ud55c.txt", L"[Memo]x \u8868.txt"})
        ASSERT_TRUE(WriteFileWide(d + L"\\" + name, "x"));
    std::vector<std::wstring> paths = {d + L"\\caf\u00e9.txt", d + L"\\[Memo]x \u8868.txt", L"cafe.txt", d + L"\\\ud55c.txt"};
    DialogUnderTest dialog;
    MessageBoxAnswers boxes;
    SendMessageA(dialog.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
    const std::vector<std::wstring> told = boxes.Texts();
    EXPECT_EQ(ColumnTexts(dialog.Window(), 2), std::vector<std::string>{folder.Join("d\\[Memo]x 表.txt")});
    EXPECT_EQ(dialog.ItemText(IDC_COUNT_LABEL), "合計 1件");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind(L"Tagrin|次の 3 件", 0), 0u);
    for (const std::wstring& path : {paths[0], paths[2], paths[3]}) EXPECT_NE(told[0].find(path + L"\n"), std::wstring::npos);
    EXPECT_EQ(
        SendDlgItemMessageA(dialog.Window(), IDC_TAG_COMBO, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("Memo")),
        0);
}

TEST(MainDialog, HeaderClicksSortDescendingFirstThenFlip)
{
    TempProgramFolder folder;
    for (const char* name : {"b.txt", "a.txt", "B2.txt"}) ASSERT_TRUE(WriteFileBytes(folder.Join(name), "x"));
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
    for (const char* name : {"a.txt", "b.txt"}) ASSERT_TRUE(WriteFileBytes(folder.Join(name), "x"));
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
    SendMessageA(dialog.Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({folder.Join("a.txt")})), 0);
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

// The end of the session saves as a close does: the process may end as soon as it is answered.
TEST(MainDialog, CloseSavesSettingsAndHistoryAndQuitsWithZero)
{
    for (bool endOfSession : {false, true}) {
        SCOPED_TRACE(endOfSession ? "end of session" : "close");
        TempProgramFolder folder;
        ASSERT_TRUE(WriteFileBytes(folder.Join("設定.ini"), "[タグ括弧]\r\ntag1=[\r\n[設定]\r\next=*\r\nIsDir=2\r\n"));
        ASSERT_TRUE(WriteFileBytes(folder.Join("[Old]x.txt"), "x"));
        DialogUnderTest dialog("[Old]x.txt");
        SetDlgItemTextA(dialog.Window(), IDC_EXT_EDIT, "txt;jpg");
        // The box never holds more than the close writes whole: a paste past 1,023 bytes is not taken.
        SendDlgItemMessageA(dialog.Window(), IDC_EXT_EDIT, EM_SETSEL, 7, 7);
        SendDlgItemMessageW(dialog.Window(), IDC_EXT_EDIT, EM_REPLACESEL, TRUE,
                            reinterpret_cast<LPARAM>(std::wstring(600, L'\u8868').c_str()));
        wchar_t wide[2048] = {};
        GetDlgItemTextW(dialog.Window(), IDC_EXT_EDIT, wide, 2048);
        char shown[4096] = {};
        EXPECT_LE(WideCharToMultiByte(932, 0, wide, -1, shown, sizeof shown, nullptr, nullptr), 1024);
        if (endOfSession) {
            EXPECT_NE(SendMessageA(dialog.Window(), WM_QUERYENDSESSION, 0, 0), 0);
            SendMessageA(dialog.Window(), WM_ENDSESSION, TRUE, 0);
        } else {
            EXPECT_EQ(dialog.Close(), 0);
        }
        EXPECT_FALSE(IsWindow(dialog.Window()));

        char value[1024] = {};
        GetPrivateProfileStringA("設定", "ext", "", value, sizeof value, ".\\設定.ini");
        EXPECT_STREQ(value, shown);
        GetPrivateProfileStringA("設定", "IsDir", "", value, sizeof value, ".\\設定.ini");
        EXPECT_STREQ(value, "1") << "any nonzero value is written back as 1";
        GetPrivateProfileStringA("タグ括弧", "tag1", "", value, sizeof value, ".\\設定.ini");
        EXPECT_STREQ(value, "[") << "the other section is kept";
        EXPECT_EQ(ReadFileBytes(folder.Join("タグ.txt")), "Old\r\n");
    }
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

// A long Add watched from inside, with no timer in the outcome. The batch is held at its start (when it turns
// the list's redraw off) until its quiet time has passed, so its first row shows the progress on any machine;
// at that first progress write the label waits until the other thread's message is in the queue, so the
// batch's own look at the queue is what delivers it.
struct BatchWatch {
    WNDPROC labelProc = nullptr;
    WNDPROC listProc = nullptr;
    ULONGLONG armedAt = 0;
    bool held = false;
    std::vector<std::string> written;  // every text the label was given, in order
    HANDLE progressWritten = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE batchOver = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~BatchWatch()
    {
        CloseHandle(progressWritten);
        CloseHandle(batchOver);
    }
};
BatchWatch* watch = nullptr;

LRESULT CALLBACK WatchedLabel(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcA(watch->labelProc, label, message, wParam, lParam);
    if (message != WM_SETTEXT) return result;
    watch->written.push_back(reinterpret_cast<const char*>(lParam));
    if (watch->written.back().rfind("処理中 ", 0) == 0 && WaitForSingleObject(watch->progressWritten, 0) != 0) {
        SetEvent(watch->progressWritten);
        while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) SwitchToThread();
    }
    return result;
}

LRESULT CALLBACK WatchedList(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETREDRAW && wParam == FALSE && watch->armedAt != 0 && !watch->held) {
        watch->held = true;
        while (GetTickCount64() - watch->armedAt <= kProgressQuietMs) Sleep(10);
    }
    return CallWindowProcA(watch->listProc, list, message, wParam, lParam);
}

// Another thread reads the count label during a long Add: its WM_GETTEXT is handled in the batch's look at
// the queue. A close sent the same way is carried out after the batch, which ends whole.
TEST(MainDialog, ALongBatchShowsItsProgressThenTheCount)
{
    TempProgramFolder folder;  // where the close saves
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

    // The first run is read; during the second, the other thread sends a close instead.
    const std::string expected = "/" + std::to_string(rows);
    for (bool sendClose : {false, true}) {
        BatchWatch batch;
        watch = &batch;
        HWND label = dialog.Item(IDC_COUNT_LABEL);
        HWND window = dialog.Window();
        batch.labelProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchedLabel)));
        batch.listProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(list.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchedList)));
        std::string read;
        std::thread reader([&] {
            HANDLE either[2] = {batch.progressWritten, batch.batchOver};
            if (WaitForMultipleObjects(2, either, FALSE, INFINITE) != WAIT_OBJECT_0) return;
            if (sendClose) {
                SendNotifyMessageA(window, WM_CLOSE, 0, 0);
                return;
            }
            char text[64] = {};
            SendMessageA(label, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            read = text;
        });
        batch.armedAt = GetTickCount64();
        ClickButton(window, IDC_ADD_BUTTON);
        SetEvent(batch.batchOver);
        reader.join();
        const bool open = IsWindow(window) != FALSE;
        if (open) {
            SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(batch.labelProc));
            SetWindowLongPtrA(list.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(batch.listProc));
        }
        watch = nullptr;

        auto isProgress = [&](const std::string& text) {
            return text.rfind("処理中 ", 0) == 0 && text.size() > expected.size() &&
                   text.compare(text.size() - expected.size(), expected.size(), expected) == 0;
        };
        ASSERT_TRUE(batch.held) << "the batch no longer turns the list's redraw off: hold it elsewhere";
        ASSERT_FALSE(batch.written.empty()) << "close sent: " << sendClose;
        EXPECT_TRUE(isProgress(batch.written.front())) << batch.written.front();
        // The batch ended whole, with its count, before the close was carried out.
        EXPECT_EQ("合計 20000件", batch.written.back()) << "close sent: " << sendClose;
        EXPECT_EQ(!sendClose, open);
        if (!sendClose) {
            EXPECT_TRUE(isProgress(read)) << read;
        } else {
            MSG quit = {};
            EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
            EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "closed twice";
        }
    }
}

struct GateCase {
    const char* name;
    bool workIsDrop;  // the work: a drop of d.txt, or an Add of "Memo" to the listed a.txt and b.txt
    UINT message;     // sent to the dialog during the work (a drop brings c.txt) ...
    int button;       // ... or, when not 0, a click on this button
    bool closes;
    std::vector<std::string> names;  // the list after the work, when still open
    bool thenClose = false;          // a close sent right after the message
};

// Sends the case's message once the work has begun (the list's redraw goes off), as the work's look at
// the queue would deliver it; records the answer and whether anything went back into the queue.
struct SentDuringWork {
    WNDPROC listProc;
    const GateCase* sending;
    const ListedFiles* files;
    LRESULT answer;
    bool requeued;
    int worksBegun;  // times the list's redraw went off: the work, then each held drop's intake
} sentDuringWork;

LRESULT CALLBACK SendWhenWorkBegins(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    SentDuringWork& at = sentDuringWork;
    at.worksBegun += message == WM_SETREDRAW && wParam == FALSE;
    if (message == WM_SETREDRAW && wParam == FALSE && at.sending) {
        HWND dialog = GetParent(list);
        const GateCase& c = *std::exchange(at.sending, nullptr);
        const WPARAM drop = c.message == WM_DROPFILES ? reinterpret_cast<WPARAM>(MakeDrop({at.files->At("c.txt")})) : 0;
        at.answer = c.button != 0 ? SendMessageA(GetDlgItem(dialog, c.button), BM_CLICK, 0, 0)
                                  : SendMessageA(dialog, c.message, drop, 0);
        if (c.thenClose) SendMessageA(dialog, WM_CLOSE, 0, 0);
        MSG queued;
        for (UINT held : {WM_CLOSE, WM_COMMAND, WM_DROPFILES}) {
            at.requeued = at.requeued || PeekMessageA(&queued, dialog, held, held, PM_NOREMOVE) != FALSE;
        }
    }
    return CallWindowProcA(at.listProc, list, message, wParam, lParam);
}

// Work commands sent meanwhile are dropped (the check-all box still shows the rows), a close is carried out
// once right after the work, a drop's files are listed right after it unless a close came too, the session
// may not end meanwhile; the work itself ends whole.
TEST(MainDialog, WhatIsSentDuringWorkWaitsForItsEndOrIsDropped)
{
    const std::vector<std::string> tagged = {"[Memo]a.txt", "[Memo]b.txt"};
    const GateCase cases[] = {
        {"a close", false, WM_CLOSE, 0, true, {}},
        {"the Close button", false, 0, IDC_CLOSE_BUTTON, true, {}},
        {"a click on Delete", false, 0, IDC_DELETE_BUTTON, false, tagged},
        {"a click on clear", false, 0, IDC_CLEAR_BUTTON, false, tagged},
        {"a click on the check-all box", false, 0, IDC_CHECK_ALL_BOX, false, tagged},
        {"a drop, then a close", false, WM_DROPFILES, 0, true, {}, true},
        {"a drop", false, WM_DROPFILES, 0, false, {"[Memo]a.txt", "[Memo]b.txt", "c.txt"}},
        {"a query whether the session may end", false, WM_QUERYENDSESSION, 0, false, tagged},
        {"a drop during a drop", true, WM_DROPFILES, 0, false, {"a.txt", "b.txt", "d.txt", "c.txt"}},
    };
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempProgramFolder folder;
        ListedFiles files(folder, {"a.txt", "b.txt", "c.txt", "d.txt"});
        const std::string tail = "\"" + files.At("a.txt") + "\" \"" + files.At("b.txt") + "\"";
        DialogUnderTest dialog(tail.c_str());
        HWND window = dialog.Window();
        SetWindowTextA(GetWindow(dialog.Item(IDC_TAG_COMBO), GW_CHILD), "Memo");
        sentDuringWork = {reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog.Item(IDC_FILE_LIST), GWLP_WNDPROC,
                                                                      reinterpret_cast<LONG_PTR>(SendWhenWorkBegins))),
                          &c, &files, 1, false, 0};
        if (c.workIsDrop) {
            SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({files.At("d.txt")})), 0);
        } else {
            ClickButton(window, IDC_ADD_BUTTON);
        }
        EXPECT_EQ(nullptr, sentDuringWork.sending) << "sent during the work";
        EXPECT_FALSE(sentDuringWork.requeued);
        EXPECT_TRUE(c.message != WM_QUERYENDSESSION || sentDuringWork.answer == 0) << "no end while work runs";
        EXPECT_EQ(c.workIsDrop, FileExists(files.At("a.txt")));
        EXPECT_EQ(!c.workIsDrop, FileExists(files.At("[Memo]b.txt"))) << "the batch ends whole";
        EXPECT_EQ(c.closes, !IsWindow(window));
        EXPECT_TRUE(!c.closes || sentDuringWork.worksBegun == 1) << "a held drop was scanned before the close";
        if (!c.closes) {
            EXPECT_EQ(c.names, ColumnTexts(window, kColumnName));
            EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(window, IDC_CHECK_ALL_BOX)) << "no row is excluded";
        }
        MSG quit;
        EXPECT_EQ(c.closes, PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
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

// The list's sizes are pixels at 96 DPI, scaled to the screen's DPI at creation; when the window moves to a
// display of another scaling, each column keeps the width it has (a widened one too) at the new DPI. The suite
// runs once more on a screen of 144 DPI (TAGRIN_TEST_DPI).
TEST(MainDialogDpi, ColumnsRowsAndCheckBoxesScaleFrom96DpiAndFollowADpiChange)
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
    // The four columns, the row height, the check box.
    int sizesAt96[] = {40, 320, 200, 50, 24, 16};
    for (int shown : {dpi, dpi * 2}) {
        int sizes[6] = {}, other = 0;
        for (int column = 0; column < 4; ++column) sizes[column] = ListView_GetColumnWidth(list, column);
        ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &other, &sizes[4]);
        ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_STATE), &sizes[5], &other);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(sizes[i], sizesAt96[i] * shown / 96.0, 1) << i << " at " << shown;
        EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(list, LVSIL_STATE)), 2);
        // The user widens 場所 to what is 300 pixels at 96 DPI.
        sizesAt96[2] = 300;
        ListView_SetColumnWidth(list, 2, MulDiv(300, shown, 96));
        SendMessageA(dialog.Window(), WM_DPICHANGED, MAKEWPARAM(dpi * 2, dpi * 2),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    RECT now = {};
    GetWindowRect(dialog.Window(), &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
}

// The window opens where it was saved (pixels at 96 DPI, at the screen's scaling), or as laid out when a value
// was not taken or no monitor is as large; a saved place on no monitor keeps its size in the primary work area.
// It lies inside the work area, also one smaller than the dialog and after a DPI change, the list taking the
// difference; a close saves again what came back.
TEST(MainDialogDpi, TheWindowOpensAsSavedAndInsideTheWorkArea)
{
    HDC screenDc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screenDc, LOGPIXELSX);
    ReleaseDC(nullptr, screenDc);
    enum Opens { kAsLaidOut, kAsSaved, kWithTheSavedSize, kFillingTheArea };
    const RECT screen = {}, small = {30, 20, 630, 420};
    const struct {
        const char* keys;  // before the others of the section, so that they win; null: no settings file
        RECT area;         // pretended; empty: the screen's
        Opens opens;
    } cases[] = {{nullptr, screen, kAsLaidOut},
                 {"x=60", screen, kAsSaved},
                 {"x=-20000", screen, kWithTheSavedSize},
                 {"x=60abc", screen, kAsLaidOut},
                 {"width=20000\r\nx=60", screen, kAsLaidOut},
                 {nullptr, small, kFillingTheArea}};
    RECT laidOut = {};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys ? c.keys : c.opens == kAsLaidOut ? "no settings" : "a small work area");
        TempProgramFolder folder;
        const std::string others = "\r\ny=40\r\nwidth=500\r\nheight=400\r\ncolumn3=300\r\ncolumn4=0\r\n";
        ASSERT_TRUE(!c.keys || WriteFileBytes(folder.Join("設定.ini"), "[ウィンドウ]\r\n" + (c.keys + others)));
        PretendWorkAreaForTests(IsRectEmpty(&c.area) ? nullptr : &c.area);
        DialogUnderTest dialog;
        HWND list = dialog.Item(IDC_FILE_LIST);
        RECT now, area = c.area, united;
        if (IsRectEmpty(&area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        GetWindowRect(dialog.Window(), &now);
        UnionRect(&united, &now, &area);
        EXPECT_TRUE(EqualRect(&united, &area)) << "inside the work area";
        if (c.opens == kAsLaidOut && IsRectEmpty(&laidOut)) laidOut = now;
        EXPECT_TRUE(c.opens != kAsLaidOut || EqualRect(&now, &laidOut));
        if (c.opens == kAsSaved || c.opens == kWithTheSavedSize) {
            EXPECT_NEAR(now.right - now.left, MulDiv(500, dpi, 96), 1);
            EXPECT_NEAR(now.bottom - now.top, MulDiv(400, dpi, 96), 1);
        }
        if (c.opens == kAsSaved) {
            EXPECT_NEAR(now.left, MulDiv(60, dpi, 96), 1);
            EXPECT_NEAR(now.top, MulDiv(40, dpi, 96), 1);
            EXPECT_NEAR(ListView_GetColumnWidth(list, 2), MulDiv(300, dpi, 96), 1);
            EXPECT_EQ(ListView_GetColumnWidth(list, 3), 0);
            EXPECT_EQ(dialog.Close(), 0);
            const std::pair<const char*, int> values[] = {{"x", 60},       {"y", 40},       {"width", 500},
                                                          {"height", 400}, {"column1", 40}, {"column3", 300},
                                                          {"column4", 0}};
            for (const auto& [key, value] : values) {
                EXPECT_EQ(GetPrivateProfileIntA("ウィンドウ", key, -1, ".\\設定.ini"), static_cast<UINT>(value)) << key;
            }
        }
        if (c.opens == kFillingTheArea) {
            EXPECT_TRUE(EqualRect(&now, &area)) << "the dialog as laid out is larger both ways";
            RECT frame, client, unitTop = {0, 109, 0, 0};
            GetClientRect(dialog.Window(), &client);
            GetWindowRect(list, &frame);
            MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&frame), 2);
            MapDialogRect(dialog.Window(), &unitTop);
            EXPECT_EQ(frame.top, unitTop.top);
            EXPECT_EQ(frame.bottom, client.bottom);
            RECT suggested = {0, 0, 2000, 2000};
            SendMessageA(dialog.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            GetWindowRect(dialog.Window(), &now);
            EXPECT_TRUE(EqualRect(&now, &area)) << "after a DPI change";
        }
        PretendWorkAreaForTests(nullptr);
    }
}

}  // namespace
