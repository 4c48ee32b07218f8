#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/core/location_index.h"
#include "filelist/core/name_key.h"
#include "filelist/row_colour.h"
#include "list_window.h"
#include "support/list_texts.h"
#include "support/location_oracle.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"

namespace {

std::string WindowText(HWND window)
{
    char buffer[1024] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

void ClickHeader(HWND dialog, int column)
{
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = GetDlgItem(dialog, IDC_FILE_LIST);
    click.hdr.idFrom = IDC_FILE_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    INT_PTR result = 1;
    EXPECT_EQ(OnListNotify(dialog, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click), &result), 0);
    EXPECT_EQ(result, 1);
}

TEST(SetUpFileListView, GivesColumnsStylesAndRowHeight)
{
    ListWindow window;
    HWND list = window.List();
    EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0), 0x10425);
    struct Column {
        const char* header;
        int width;
        int format;
    };
    const Column expected[] = {{"除外", 40, LVCFMT_LEFT},
                               {"ファイル名", 320, LVCFMT_LEFT},
                               {"場所", 200, LVCFMT_LEFT},
                               {"結果", 50, LVCFMT_CENTER}};
    for (int index = 0; index < 4; ++index) {
        char header[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = header;
        column.cchTextMax = sizeof header - 1;
        ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column))) << index;
        EXPECT_STREQ(header, expected[index].header) << index;
        EXPECT_EQ(column.cx, expected[index].width) << index;
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, expected[index].format) << index;
        EXPECT_EQ(column.iSubItem, index);
    }
    LVCOLUMNA beyond = {};
    beyond.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageA(list, LVM_GETCOLUMNA, 4, reinterpret_cast<LPARAM>(&beyond)));
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(height, 24);
    EXPECT_EQ(ImageList_GetImageCount(images), 0);
}

TEST(RowColour, ExclusionFirstThenResult)
{
    struct Case {
        int stateImage;
        RowResult result;
        COLORREF colour;
    };
    const Case cases[] = {
        {2, RowResult::kUntouched, RGB(255, 255, 100)},      {2, RowResult::kFailedGone, RGB(255, 255, 100)},
        {0, RowResult::kRenamed, RGB(255, 255, 100)},        {1, RowResult::kUntouched, RGB(255, 255, 255)},
        {1, RowResult::kFailedNameTaken, RGB(255, 0, 0)},    {1, RowResult::kFailedOther, RGB(255, 0, 0)},
        {1, RowResult::kRenamed, RGB(221, 255, 231)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowColour(c.stateImage, c.result), c.colour) << c.stateImage << " " << static_cast<int>(c.result);
    }
}

// The answers the dialog gives the list view while it paints, for rows in every state.
TEST(OnListNotify, CustomDrawAnswersRowColoursThroughTheDialogResult)
{
    ListWindow window;
    HWND dialog = window.Dialog();
    ListViewOps list(window.List());
    const RowResult results[] = {RowResult::kUntouched, RowResult::kRenamed, RowResult::kFailedInUse,
                                 RowResult::kFailedGone};
    for (int row = 0; row < 4; ++row) {
        AppendFileRow(list, ("r" + std::to_string(row) + ".txt").c_str());
        SetRowResult(list, row, results[row]);
    }
    list.SetStateImage(3, 2);

    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr.hwndFrom = window.List();
    draw.nmcd.hdr.idFrom = IDC_FILE_LIST;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    INT_PTR result = 1;
    EXPECT_NE(OnListNotify(dialog, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&draw), &result), 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_MSGRESULT), CDRF_NOTIFYITEMDRAW);

    const COLORREF expected[] = {RGB(255, 255, 255), RGB(221, 255, 231), RGB(255, 0, 0), RGB(255, 255, 100)};
    for (int row = 0; row < 4; ++row) {
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.clrText = RGB(1, 2, 3);
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        result = 1;
        EXPECT_NE(OnListNotify(dialog, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&draw), &result), 0);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_MSGRESULT), CDRF_NEWFONT);
        EXPECT_EQ(draw.clrTextBk, expected[row]) << row;
        EXPECT_EQ(draw.clrText, RGB(0, 0, 0));
    }

    draw.nmcd.dwDrawStage = CDDS_POSTPAINT;
    result = 1;
    EXPECT_NE(OnListNotify(dialog, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&draw), &result), 0);
    EXPECT_EQ(result, 0);

    draw.nmcd.hdr.idFrom = IDC_TAG_COMBO;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    result = 1;
    EXPECT_EQ(OnListNotify(dialog, IDC_TAG_COMBO, reinterpret_cast<LPARAM>(&draw), &result), 0);
    EXPECT_EQ(result, 1);
}

// One direction flag for all columns: first click descending, each further click reverses it.
TEST(OnListNotify, HeaderClicksSortThousandsOfRowsInByteOrder)
{
    ListWindow window(true);
    HWND dialog = window.Dialog();
    ListViewOps list(window.List());
    std::mt19937 random(11);
    SendMessageA(window.List(), WM_SETREDRAW, FALSE, 0);
    for (int row = 0; row < 3000; ++row) {
        char location[64];
        // Valid Shift-JIS only: the control keeps its texts in UTF-16.
        const char* firsts[] = {"Z", "y", "A", "\x95\x5C"};        // 表
        const char* names[] = {"b", "A", "\x8A\x5D", "\x83\x7D"};  // 楽, マ
        std::snprintf(location, sizeof location, "%s%u\\%s%04u.txt", firsts[random() % 4],
                      static_cast<unsigned>(random() % 50), names[random() % 4],
                      static_cast<unsigned>(random() % 3000));
        AppendFileRow(list, location);
    }
    SendMessageA(window.List(), WM_SETREDRAW, TRUE, 0);
    // The flag lives for the process: find where it stands with a first click.
    ClickHeader(dialog, kColumnName);
    std::vector<std::string> names = ColumnTexts(ListViewOps(window.List()), kColumnName);
    bool descending = names.front() > names.back();
    const int columns[] = {kColumnName, kColumnLocation, kColumnLocation, kColumnName};
    for (int column : columns) {
        ClickHeader(dialog, column);
        descending = !descending;
        std::vector<std::string> texts = ColumnTexts(ListViewOps(window.List()), column);
        ASSERT_EQ(texts.size(), 3000u);
        for (std::size_t i = 1; i < texts.size(); ++i) {
            int order = texts[i - 1].compare(texts[i]);
            ASSERT_TRUE(descending ? order >= 0 : order <= 0) << "column " << column << " row " << i;
        }
    }
    // Every row still carries the key of its own name, and the index still finds it.
    for (int row = 0; row < 3000; row += 97) {
        std::string location = CellText(ListViewOps(window.List()), row, kColumnLocation);
        EXPECT_TRUE(IsPathListed(list, location.c_str())) << location;
        EXPECT_EQ(list.FindKey(row - 1, list.GetKey(row)), row);
    }
}

TEST(CountLabelAndButtons, ShowCountClearAndExcludeAll)
{
    ListWindow window;
    HWND dialog = window.Dialog();
    HWND label = GetDlgItem(dialog, IDC_COUNT_LABEL);
    ListViewOps list(window.List());
    RefreshCountLabel(dialog);
    EXPECT_EQ(WindowText(label), "合計 0件");
    for (int row = 0; row < 12; ++row) {
        AppendFileRow(list, ("f" + std::to_string(row)).c_str());
    }
    RefreshCountLabel(dialog);
    EXPECT_EQ(WindowText(label), "合計 12件");

    INT_PTR result = 1;
    CheckDlgButton(dialog, IDC_CHECK_ALL_BOX, BST_CHECKED);
    EXPECT_NE(SetAllExclusions(dialog, GetDlgItem(dialog, IDC_CHECK_ALL_BOX), MAKEWPARAM(IDC_CHECK_ALL_BOX, BN_CLICKED),
                               BN_CLICKED, &result),
              0);
    for (int row = 0; row < 12; ++row) {
        EXPECT_FALSE(IsRowProcessed(list, row)) << row;
        EXPECT_EQ(list.GetStateImage(row), 2);
    }
    CheckDlgButton(dialog, IDC_CHECK_ALL_BOX, BST_UNCHECKED);
    EXPECT_NE(SetAllExclusions(dialog, GetDlgItem(dialog, IDC_CHECK_ALL_BOX),
                               MAKEWPARAM(IDC_CHECK_ALL_BOX, BN_SETFOCUS), BN_SETFOCUS, &result),
              0);
    for (int row = 0; row < 12; ++row) {
        EXPECT_TRUE(IsRowProcessed(list, row)) << row;
    }

    EXPECT_NE(ClearFileList(dialog, GetDlgItem(dialog, IDC_CLEAR_BUTTON), IDC_CLEAR_BUTTON, BN_CLICKED, &result), 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(WindowText(label), "合計 0件");
    EXPECT_FALSE(IsPathListed(list, "f0"));
}

TEST(LocationIndex, IsBuiltFromRowsAlreadyInTheListAndReleasedWithIt)
{
    ListWindow window;
    ListViewOps list(window.List());
    AppendFileRow(list, "C:\\a\\one.txt");
    ReleaseLocationIndex(window.List());
    // Rows written without the index, as any other writer could: the next index starts with them.
    list.InsertRow(1, 0);
    UpdateRenamedRow(list, 1, "C:\\a\\two.txt");
    ReleaseLocationIndex(window.List());
    EXPECT_TRUE(IsPathListed(list, "c:\\A\\ONE.txt"));
    EXPECT_TRUE(IsPathListed(list, "C:\\a\\two.txt"));
    EXPECT_TRUE(IndexCountsEachRowOnce(list));
}

// The control keeps texts in UTF-16: bytes that are no Shift-JIS do not come back as they went in.
// The duplicate test answers by the texts as they come back, as a scan of the rows would.
TEST(IsPathListed, AnswersByTheTextsTheControlGivesBack)
{
    ListWindow window;
    ListViewOps list(window.List());
    const char* locations[] = {"C:\\x\\a\x81.txt",
                               "C:\\x\\\xA0"
                               "b.txt",
                               "C:\\x\\\x95\x5C.txt"};
    for (const char* location : locations) {
        AppendFileRow(list, location);
    }
    for (int row = 0; row < 3; ++row) {
        std::string stored = CellText(ListViewOps(window.List()), row, kColumnLocation);
        for (const std::string& probe : {std::string(locations[row]), stored}) {
            bool scanned = NameKey(FindFileNamePart(probe.c_str())) == list.GetKey(row) &&
                           LocationsEqual(stored.c_str(), probe.c_str());
            EXPECT_EQ(IsPathListed(list, probe.c_str()), scanned) << row << " " << probe;
        }
    }
    EXPECT_TRUE(IsPathListed(list, "c:\\X\\\x95\x5C.TXT"));
}

TEST(OnListNotify, DoubleClickBelowTheRowsOpensNothing)
{
    ListWindow window;
    ListViewOps list(window.List());
    AppendFileRow(list, "C:\\nothing\\here.txt");
    NMITEMACTIVATE activate = {};
    activate.hdr.hwndFrom = window.List();
    activate.hdr.idFrom = IDC_FILE_LIST;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = -1;
    INT_PTR result = 1;
    EXPECT_EQ(OnListNotify(window.Dialog(), IDC_FILE_LIST, reinterpret_cast<LPARAM>(&activate), &result), 0);
    EXPECT_EQ(result, 1);
}

}  // namespace
