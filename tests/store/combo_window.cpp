#include "store/combo_window.h"

#include <commctrl.h>

#include "res/control_ids.h"

ComboWindow::ComboWindow(bool withList)
{
    window_ = CreateWindowExA(0, "STATIC", "test", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT, 0, 0, 300, 200,
                    window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TAG_COMBO)), GetModuleHandleA(nullptr),
                    nullptr);
    if (!withList) return;
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 40, 580, 300, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FILE_LIST)), GetModuleHandleA(nullptr),
                                nullptr);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES);
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNA header = {};
        header.mask = LVCF_WIDTH;
        header.cx = 100;
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    }
}

ComboWindow::~ComboWindow()
{
    DestroyWindow(window_);
}

HWND ComboWindow::Combo() const
{
    return GetDlgItem(window_, IDC_TAG_COMBO);
}

HWND ComboWindow::List() const
{
    return GetDlgItem(window_, IDC_FILE_LIST);
}

std::vector<std::string> ComboWindow::Entries() const
{
    std::vector<std::string> entries;
    const LRESULT count = SendMessageA(Combo(), CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageA(Combo(), CB_GETLBTEXTLEN, index, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessageA(Combo(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(std::char_traits<char>::length(text.c_str()));
        entries.push_back(text);
    }
    return entries;
}

void ComboWindow::AddEntry(const std::string& text)
{
    SendMessageA(Combo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> MixedBoxTexts(int count, int seed)
{
    static const char* const kWords[] = {"memo",  "Memo", "MEMO", "mEmO",     "memo2",    "Draft",
                                         "draft", "ソ",   "表",   "ｍｅｍｏ", "ＭＥＭＯ", "めも",
                                         "メモ",  "",     "a-b",  "ab",       "a b",      "Ab"};
    std::vector<std::string> texts;
    unsigned state = static_cast<unsigned>(seed);
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        texts.push_back(kWords[(state >> 16) % (sizeof kWords / sizeof kWords[0])]);
    }
    return texts;
}
