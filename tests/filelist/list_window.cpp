#include "list_window.h"

#include <commctrl.h>

#include "res/control_ids.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"

namespace {

const char kClassName[] = "TagrinListTestWindow";

void RegisterOnce()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    registered = true;
}

void AddChild(HWND parent, const char* className, DWORD style, int id, int y)
{
    CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, y, 300, 20, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

ListWindow::ListWindow(bool shown)
{
    RegisterOnce();
    dialog_ = CreateWindowExA(0, kClassName, "list test", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 100, 780, 450,
                    dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FILE_LIST)), GetModuleHandleA(nullptr),
                    nullptr);
    AddChild(dialog_, "EDIT", ES_READONLY, IDC_COUNT_LABEL, 0);
    AddChild(dialog_, "BUTTON", BS_AUTOCHECKBOX, IDC_RECURSE_BOX, 25);
    AddChild(dialog_, "EDIT", 0, IDC_EXT_EDIT, 50);
    AddChild(dialog_, "BUTTON", BS_AUTOCHECKBOX, IDC_CHECK_ALL_BOX, 75);
    SetUpFileListView(dialog_);
    if (shown) {
        ShowWindow(dialog_, SW_SHOW);
        UpdateWindow(dialog_);
    }
}

ListWindow::~ListWindow()
{
    ReleaseFileListView(dialog_);
    DestroyWindow(dialog_);
}
