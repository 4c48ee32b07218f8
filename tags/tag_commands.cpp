#include "tags/tag_commands.h"

#include <cwchar>
#include <initializer_list>

#include "res/control_ids.h"
#include "filelist/exact_name.h"
#include "filelist/work_progress.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "store/settings.h"
#include "tags/core/dbcs_text.h"
#include "tags/tag_rows.h"
#include "tags/core/text_buffer.h"
#include "tags/undo_record.h"

namespace {

using RowCommand = int (*)(FileListOps& list, const char* tag);

// One run of work over the dialog's list. The list does not repaint during the run anyway (no message is
// handled); turning its redraw off as well keeps every row update from doing drawing work of its own, which
// a shown list view does row by row.
template <typename ListWork>
int RunOverList(HWND dialog, ListWork work)
{
    WorkProgress progress(dialog, "処理中 %u/%u");
    ListViewOps list = ListViewOps::OfDialog(dialog);
    HWND window = list.Window();
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ClearResults(list, list.RowCount());

    int done = work(list);

    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, FALSE);
    RefreshCountLabel(dialog);
    return done;
}

// The characters a file name cannot hold: a tag holding one would move the file or fail on every row.
const char kNotInNames[] = "\\/:*?\"<>|";

// Why the tag typed in the box cannot be used, or null when it can. A tag is written exactly as typed or
// not at all: a character the code page lacks would be written as another one, and a bracket character
// would make a tag that cannot be read back, nor deleted with the same text. tag gets the trimmed tag.
const wchar_t* RefusalOfTag(const wchar_t* typed, TextBuffer& tag)
{
    if (!ToExactCodePage(typed, tag, sizeof tag)) {
        return L"Shift-JIS で表せない文字が含まれています。";
    }
    TrimBlanks(tag);
    if (FindFirstOfSet(tag, kNotInNames) != nullptr) {
        return L"ファイル名に使えない文字 (\\ / : * ? \" < > |) が含まれています。";
    }
    TextBuffer opening = {};
    TextBuffer closing = {};
    TextBuffer before = {};
    TextBuffer after = {};
    ReadBracketSettings(opening, closing);
    ReadAddBrackets(before, after);
    for (const char* set : {opening, closing, before, after}) {
        if (FindFirstOfSet(tag, set) != nullptr) {
            return L"設定の括弧 (tag1, tag2, addtag1, addtag2) にある文字が含まれています。";
        }
    }
    return nullptr;
}

void TellRefusedTag(HWND dialog, const wchar_t* typed, const wchar_t* refusal)
{
    wchar_t message[kWideTextSize + 128] = {};
    std::wcscpy(message, L"タグ「");
    std::wcsncat(message, typed, kWideTextSize - 1);
    std::wcscat(message, L"」は使えません。何も変更していません。\n");
    std::wcscat(message, refusal);
    MessageBoxW(dialog, message, L"Tagrin", MB_ICONWARNING | MB_OK);
}

// A refused tag renames nothing and leaves the results empty; the user is told why once the run is over.
int RunTagCommand(HWND dialog, RowCommand command)
{
    wchar_t typed[kWideTextSize] = {};
    GetDlgItemTextW(dialog, IDC_TAG_COMBO, typed, kWideTextSize);
    TextBuffer tag = {};
    const wchar_t* refusal = RefusalOfTag(typed, tag);
    const int done = RunOverList(dialog, [&](FileListOps& list) {
        return refusal == nullptr && tag[0] != '\0' ? command(list, tag) : 0;
    });
    if (refusal != nullptr) TellRefusedTag(dialog, typed, refusal);
    return done;
}

}  // namespace

int AddTagCommand(HWND dialog)
{
    return RunTagCommand(dialog, AddTagToRows);
}

int DeleteTagCommand(HWND dialog)
{
    return RunTagCommand(dialog, DeleteTagFromRows);
}

int UndoCommand(HWND dialog)
{
    return RunOverList(dialog, UndoLastBatch);
}
