#include "filelist/list_view.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "res/control_ids.h"
#include "filelist/check_box_images.h"
#include "filelist/failure_tip.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "filelist/row_colour.h"
#include "filelist/window_dpi.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"

namespace {

constexpr DWORD kListExtendedStyles =
    LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER;

struct ColumnSpec {
    const char* header;
    int width;
    int format;
};

// Widths in pixels at 96 DPI.
const ColumnSpec kColumns[] = {
    {"除外", 40, LVCFMT_LEFT},
    {"ファイル名", 320, LVCFMT_LEFT},
    {"場所", 200, LVCFMT_LEFT},
    {"結果", 50, LVCFMT_CENTER},
};

constexpr int kColumnCount = static_cast<int>(sizeof kColumns / sizeof kColumns[0]);
static_assert(kColumnCount == kFileListColumnCount, "the columns the header names");

// The DPI the column widths were last set for, kept with the list; none means 96, the widths of kColumns.
const char kWidthsDpiProperty[] = "TagrinWidthsDpi";

int WidthsDpi(HWND list)
{
    const auto dpi = static_cast<int>(reinterpret_cast<UINT_PTR>(GetPropA(list, kWidthsDpiProperty)));
    return dpi != 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// One sort direction for all columns, flipped before every sort, for the life of the process.
bool sortDescending = false;

// The list view destroys the image lists it holds when it goes, but not one it hands back.
void ReplaceImageList(HWND list, int which, HIMAGELIST images)
{
    auto previous = reinterpret_cast<HIMAGELIST>(
        SendMessageA(list, LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images)));
    if (previous) ImageList_Destroy(previous);
}

void SetDialogResult(HWND dialog, LONG_PTR value)
{
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, value);
}

void SortByClickedColumn(const NMLISTVIEW& click)
{
    sortDescending = !sortDescending;
    HWND window = click.hdr.hwndFrom;
    // Redraw stays off while the rows are written back, then the list paints once.
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ListViewOps list(window);
    SortRowsByColumn(list, click.iSubItem, sortDescending);
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

void PaintRow(HWND dialog, NMLVCUSTOMDRAW* draw)
{
    ListViewOps list(draw->nmcd.hdr.hwndFrom);
    int row = static_cast<int>(draw->nmcd.dwItemSpec);
    draw->clrTextBk = RowColour(list.GetStateImage(row), GetRowResult(list, row));
    draw->clrText = kRowTextColour;
    SetDialogResult(dialog, CDRF_NEWFONT);
}

int OnCustomDraw(HWND dialog, NMLVCUSTOMDRAW* draw, INT_PTR* result)
{
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        SetDialogResult(dialog, CDRF_NOTIFYITEMDRAW);
        return 1;
    case CDDS_ITEMPREPAINT:
        PaintRow(dialog, draw);
        return 1;
    default:
        *result = 0;
        return 1;
    }
}

void OpenActivatedRow(const NMITEMACTIVATE& activate)
{
    if (activate.iItem < 0) {
        return;
    }
    ListViewOps list(activate.hdr.hwndFrom);
    char location[kTextBufferSize];
    list.GetText(activate.iItem, kColumnLocation, location, sizeof location);
    OpenRowFile(location);
}

}  // namespace

void SetUpFileListView(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kListExtendedStyles);
    for (int index = 0; index < kColumnCount; ++index) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumns[index].format;
        column.cx = kColumns[index].width;
        column.pszText = const_cast<char*>(kColumns[index].header);
        column.iSubItem = index;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
    ScaleFileListView(dialog, WindowDpi(list));
    CreateFailureTip(dialog);
}

void ScaleFileListView(HWND dialog, UINT dpi)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    // The image list never holds an image: the rows take their height from it, 24 pixels at 96 DPI.
    ReplaceImageList(list, LVSIL_SMALL, ImageList_Create(ScaleToDpi(16, dpi), ScaleToDpi(24, dpi), 0, 0, 0));
    ReplaceImageList(list, LVSIL_STATE, CreateCheckBoxImages(list, dpi));
    // Each column keeps the width it has, the user's or the default, and takes it to the new DPI.
    const int oldDpi = WidthsDpi(list);
    for (int index = 0; index < kColumnCount; ++index) {
        const auto column = static_cast<WPARAM>(index);
        const auto width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageA(list, LVM_SETCOLUMNWIDTH, column, MulDiv(width, static_cast<int>(dpi), oldDpi));
    }
    SetPropA(list, kWidthsDpiProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(dpi)));
}

void GetColumnWidthsAt96(HWND dialog, int widths[kFileListColumnCount])
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    for (int index = 0; index < kColumnCount; ++index) {
        const auto width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
        widths[index] = MulDiv(width, USER_DEFAULT_SCREEN_DPI, WidthsDpi(list));
    }
}

void SetColumnWidthsAt96(HWND dialog, const int widths[kFileListColumnCount])
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    for (int index = 0; index < kColumnCount; ++index) {
        if (widths[index] < 0) continue;
        const int width = MulDiv(widths[index], WidthsDpi(list), USER_DEFAULT_SCREEN_DPI);
        SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), width);
    }
}

void ReleaseFileListView(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    RemovePropA(list, kWidthsDpiProperty);
    ReleaseLocationIndex(list);
}

int OnListNotify(HWND dialog, WPARAM, LPARAM lParam, INT_PTR* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header != nullptr && AnswerFailureTip(dialog, header)) return 1;
    if (header == nullptr || header->idFrom != static_cast<UINT_PTR>(IDC_FILE_LIST)) {
        return 0;
    }
    switch (header->code) {
    case LVN_COLUMNCLICK:
        SortByClickedColumn(*reinterpret_cast<NMLISTVIEW*>(lParam));
        return 0;
    case NM_CUSTOMDRAW:
        return OnCustomDraw(dialog, reinterpret_cast<NMLVCUSTOMDRAW*>(lParam), result);
    case NM_DBLCLK:
        OpenActivatedRow(*reinterpret_cast<NMITEMACTIVATE*>(lParam));
        return 0;
    default:
        return 0;
    }
}

int ClearFileList(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    RemoveAllRows(list);
    // The label never shows a count of rows that are gone.
    RefreshCountLabel(dialog);
    return 1;
}

int SetAllExclusions(HWND dialog, HWND, WPARAM wParam, WORD, INT_PTR*)
{
    int index = IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED ? kStateExcluded : kStateProcessed;
    ListViewOps::OfDialog(dialog).SetStateImageOfAll(index);
    return 1;
}

void ShowRowsInCheckAllBox(HWND dialog)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    const int rows = list.RowCount();
    int row = 0;
    while (row < rows && list.GetStateImage(row) == kStateExcluded) ++row;
    CheckDlgButton(dialog, IDC_CHECK_ALL_BOX, rows > 0 && row == rows ? BST_CHECKED : BST_UNCHECKED);
}

void ShowFirstFailedRow(HWND dialog)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        if (!IsFailure(GetRowResult(list, row))) continue;
        SendMessageA(list.Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        return;
    }
}

void RefreshCountLabel(HWND dialog)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    char text[kTextBufferSize] = {};
    wsprintfA(text, "合計 %u件", static_cast<unsigned>(list.RowCount()));
    SetDlgItemTextA(dialog, IDC_COUNT_LABEL, text);
}

void OpenRowFile(const char* location)
{
    if (location == nullptr) {
        return;
    }
    char folder[kTextBufferSize] = {};
    std::memcpy(folder, location, strnlen(location, sizeof folder - 1));
    *FindFileNamePart(folder) = '\0';
    ShellExecuteA(nullptr, "open", location, "", folder, SW_SHOW);
}
