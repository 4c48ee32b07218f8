#include "filelist/failure_tip.h"

#include <commctrl.h>

#include <cwchar>

#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "names/core/name_rule.h"
#include "names/exact_spelling.h"
#include "res/control_ids.h"

namespace {

const char kTipProperty[] = "TagrinFailureTip";
const char kListProcProperty[] = "TagrinListProc";
const char kRowProperty[] = "TagrinTipRow";

HWND TipOf(HWND list)
{
    return static_cast<HWND>(GetPropA(list, kTipProperty));
}

// The row under the pointer, or -1: any of its cells.
int RowUnderPointer(HWND list)
{
    LVHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(list, &hit.pt);
    const LRESULT row = SendMessageW(list, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return (hit.flags & LVHT_ONITEM) != 0 ? static_cast<int>(row) : -1;
}

// The tip asks for its text when it is about to show; when the pointer moves on to another row, the tip shown
// goes, so that the next one asks again for that row.
LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(list, kListProcProperty));
    if (message == WM_MOUSEMOVE) {
        const int row = RowUnderPointer(list);
        if (row != reinterpret_cast<INT_PTR>(GetPropA(list, kRowProperty)) - 1) {
            SetPropA(list, kRowProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(row + 1)));
            SendMessageW(TipOf(list), TTM_POP, 0, 0);
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(list, kListProcProperty);
        RemovePropA(list, kRowProperty);
        RemovePropA(list, kTipProperty);
    }
    return CallWindowProcW(previous, list, message, wParam, lParam);
}

}  // namespace

void CreateFailureTip(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), nullptr);
    if (tip == nullptr) return;
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // Long enough for the longest sentence on two or three lines.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 480);
    SetPropA(list, kTipProperty, tip);
    SetPropA(list, kListProcProperty,
             reinterpret_cast<HANDLE>(SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc))));
}

bool AnswerFailureTip(HWND dialog, NMHDR* header)
{
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    if (header->hwndFrom != TipOf(list) || (header->code != TTN_GETDISPINFOW && header->code != TTN_GETDISPINFOA)) {
        return false;
    }
    const int row = RowUnderPointer(list);
    ListViewOps rows(list);
    // An empty text shows no tip.
    const wchar_t* text = row >= 0 ? FailureText(GetRowResult(rows, row)) : L"";
    if (header->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        info->lpszText = const_cast<wchar_t*>(text);
        info->hinst = nullptr;
        return true;
    }
    // The tip asks an ANSI dialog for an ANSI text.
    static char bytes[512];
    if (WideCharToMultiByte(kShiftJis, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr) == 0) bytes[0] = '\0';
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->lpszText = bytes;
    info->hinst = nullptr;
    return true;
}

const wchar_t* FailureText(RowResult result)
{
    static wchar_t tooLong[160];
    switch (result) {
    case RowResult::kFailedNameTaken:
        return L"同じ名前のファイルがすでにあります。そのファイルを移すか名前を変えてから、もう一度押してください。";
    case RowResult::kFailedFolderAtName:
        return L"同じ名前のフォルダがすでにあります。そのフォルダを移すか名前を変えてから、もう一度押してください。";
    case RowResult::kFailedInUse:
        return L"ほかのプログラムが使用中です。閉じてからもう一度押してください。";
    case RowResult::kFailedGone:
        return L"リストに入れた後で、ファイルが移動・削除されたか、名前を変えられました。"
               L"「リストのクリア」を押して、入れ直してください。";
    case RowResult::kFailedFolder:
        return L"ファイルがあった場所に、同じ名前のフォルダがあります。フォルダの名前は変えません。";
    case RowResult::kFailedAccessDenied:
        return L"この場所で名前を変える権限がありません（書き込みが許可されていないフォルダ、"
               L"読み取り専用のメディアなど）。";
    case RowResult::kFailedPathTooLong:
        std::swprintf(tooLong, 160,
                      L"新しい名前にすると、パスが %u 文字を超えます。浅いフォルダに移すか、名前を短くしてください。",
                      static_cast<unsigned>(kPathCharacterLimit));
        return tooLong;
    case RowResult::kFailedNameTooLong:
        std::swprintf(tooLong, 160, L"新しい名前が %u 文字を超えます。名前を短くしてください。",
                      static_cast<unsigned>(kNameCharacterLimit));
        return tooLong;
    case RowResult::kFailedNameRefused:
        return L"新しい名前が、空、空白だけ、末尾がピリオドか空白、または「.」で始まる名前になります。"
               L"エクスプローラーで名前を変えてください。";
    case RowResult::kFailedChanged:
        return L"名前を変えた後で、ファイルが変更されたか、別のファイルに置き換えられたため、元に戻しません。";
    case RowResult::kFailedOther:
        return L"Windows が名前の変更を受け付けませんでした。";
    default:
        return L"";
    }
}
