#include "support/dialog_fixture.h"

#include <commctrl.h>

#include <cstring>

#include "res/control_ids.h"
#include "app/main_dialog.h"
#include "filelist/list_view_ops.h"
#include "support/files.h"

DialogUnderTest::DialogUnderTest(const char* commandTail)
{
    static bool initialised = false;
    if (!initialised) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        initialised = true;
    }
    // As start-up hands it over: the tail in UTF-16, relative paths relative to the current directory.
    std::wstring tail(commandTail ? std::strlen(commandTail) + 1 : 1, L'\0');
    if (commandTail) MultiByteToWideChar(CP_ACP, 0, commandTail, -1, &tail[0], static_cast<int>(tail.size()));
    wchar_t here[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, here);
    const StartUp start = {tail.c_str(), here, nullptr};
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr, MainDialogProc,
                                 reinterpret_cast<LPARAM>(&start));
}

DialogUnderTest::~DialogUnderTest()
{
    if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
    // Take the quit that the destroy posted, so it does not end the next test's drains.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

std::string DialogUnderTest::ItemText(int id) const
{
    char text[1024] = {};
    GetDlgItemTextA(dialog_, id, text, sizeof text);
    return text;
}

int DialogUnderTest::Close()
{
    SendMessageA(dialog_, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
        DispatchMessageA(&msg);
    }
    return -1;
}

std::vector<std::string> ColumnTexts(HWND dialog, int column)
{
    return ColumnTexts(ListViewOps::OfDialog(dialog), column);
}

ListedFiles::ListedFiles(const TempProgramFolder& program, std::initializer_list<const char*> names)
    : folder(program.Join("files"))
{
    MakeFolder(folder);
    for (const char* name : names) {
        WriteFileBytes(At(name), name);
        tail += "\"" + At(name) + "\" ";
    }
}

std::vector<std::string> ListedFiles::Locations(const std::vector<std::string>& names) const
{
    std::vector<std::string> locations;
    for (const std::string& name : names) locations.push_back(At(name));
    return locations;
}
