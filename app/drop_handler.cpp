#include "app/drop_handler.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/store_notice.h"
#include "res/control_ids.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/path_intake.h"
#include "tags/tag_collection.h"
#include "text/text_buffer.h"
#include "names/exact_spelling.h"

namespace {

// The filter as it last fitted.
std::wstring fittingFilter;

// Each dropped path goes in as the shell hands it over, in UTF-16, never through a text that is split again:
// a name may hold a blank or a double quote.
void TakeDroppedPaths(HWND dialog, HDROP drop, PathIntake* intake)
{
    ListIntake list(dialog);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        wchar_t path[kWideTextSize] = {};
        const UINT length = DragQueryFileW(drop, index, path, kWideTextSize);
        if (length == 0) continue;  // not a path at all
        if (length >= kWideTextSize - 1) {
            NoteLeftOut(&intake->leftOut, nullptr, path, LeftOutReason::kPathTooLong);
            continue;
        }
        AddGivenPath(list.List(), intake, path);
    }
}

}  // namespace

// A drop takes the filter and the recursion flag as the controls show them now, whatever is saved.
int OnDropFiles(HWND dialog, WPARAM wParam, LPARAM, INT_PTR*)
{
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    TextBuffer extText = {};
    GetDlgItemTextA(dialog, IDC_EXT_EDIT, extText, sizeof extText);
    const int recurse = IsDlgButtonChecked(dialog, IDC_RECURSE_BOX) == BST_CHECKED ? 1 : 0;
    PathIntake intake;
    {
        const int firstNewRow = ListViewOps::OfDialog(dialog).RowCount();
        WorkProgress progress(dialog, "読込中 %u件");
        if (StartPathIntake(&intake, extText, recurse, nullptr)) {
            TakeDroppedPaths(dialog, drop, &intake);
        }
        CollectListedTags(dialog, firstNewRow);
        RefreshCountLabel(dialog);
    }
    DragFinish(drop);
    // Once, after the list, the picker and the count stand; the collection read the bracket settings.
    TellLeftOutPaths(dialog, intake.leftOut);
    if (IsWindow(dialog)) TellStoreNotices(dialog);
    return 1;
}

void LimitFilterText(HWND dialog)
{
    // The box's own limit, in bytes where Windows counts an ANSI box so; the change handler holds it in
    // bytes wherever the box counts characters.
    SendDlgItemMessageA(dialog, IDC_EXT_EDIT, EM_LIMITTEXT, kTextBufferSize - 1, 0);
    fittingFilter.clear();
}

int OnFilterChange(HWND, HWND control, WPARAM, WORD code, INT_PTR*)
{
    if (code != EN_CHANGE) return 0;
    const int length = GetWindowTextLengthW(control);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    const int bytes = WideCharToMultiByte(kShiftJis, 0, text.data(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes > 0 && static_cast<std::size_t>(bytes) <= kTextBufferSize) {
        fittingFilter.assign(text.data());
        return 1;
    }
    // Set back as it was, the caret at its end; the restored text fits, so this runs once.
    SetWindowTextW(control, fittingFilter.c_str());
    SendMessageW(control, EM_SETSEL, fittingFilter.size(), fittingFilter.size());
    MessageBeep(MB_OK);
    return 1;
}
