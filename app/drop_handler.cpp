#include "app/drop_handler.h"

#include <shellapi.h>

#include <cstring>

#include "res/control_ids.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/path_intake.h"
#include "tags/tag_collection.h"
#include "tags/core/text_buffer.h"

namespace {

// Encloses a path with a blank in double quotes so that it stays one token. PathQuoteSpacesA leaves
// paths of MAX_PATH - 3 bytes or more unquoted, which would split them into other paths.
void QuoteIfBlank(char* path, std::size_t size)
{
    std::size_t length = std::strlen(path);
    if (std::strchr(path, ' ') == nullptr || length + 3 > size) {
        return;
    }
    std::memmove(path + 1, path, length);
    path[0] = '"';
    path[length + 1] = '"';
    path[length + 2] = '\0';
}

}  // namespace

// A drop takes the filter and the recursion flag as the controls show them now, whatever is saved.
int OnDropFiles(HWND dialog, WPARAM wParam, LPARAM, INT_PTR*)
{
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    TextBuffer extText = {};
    GetDlgItemTextA(dialog, IDC_EXT_EDIT, extText, sizeof extText);
    int recurse = IsDlgButtonChecked(dialog, IDC_RECURSE_BOX) == BST_CHECKED ? 1 : 0;
    const int firstNewRow = ListViewOps::OfDialog(dialog).RowCount();
    WorkProgress progress(dialog, "読込中 %u件");
    for (UINT index = 0; index < count; ++index) {
        TextBuffer path = {};
        // A path that would not fit with its quotes is skipped rather than cut into another path.
        UINT length = DragQueryFileA(drop, index, nullptr, 0);
        if (length == 0 || length + 3 > sizeof path) {
            continue;
        }
        DragQueryFileA(drop, index, path, sizeof path);
        QuoteIfBlank(path, sizeof path);
        AddPathList(dialog, path, extText, recurse);
    }
    CollectListedTags(dialog, firstNewRow);
    RefreshCountLabel(dialog);
    DragFinish(drop);
    return 1;
}
