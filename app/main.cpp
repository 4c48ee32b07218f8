// Tagrin: puts bracketed tags in front of file names and takes them off again.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/code_page_check.h"
#include "app/dll_search.h"
#include "app/main_dialog.h"
#include "app/message_loop.h"
#include "filelist/core/command_line.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    LoadLibrariesOnlyFromSystemFolder();
    // As when the dialog cannot be created: nothing has been read, written or renamed.
    if (RefuseAnyCodePageButShiftJis()) return -1;
    // The one GUI thread is an OLE apartment for the whole run (drag and drop, shell links).
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES;
    InitCommonControlsEx(&controls);

    // The tail is taken from the whole command line as UTF-16: the ANSI one has every name converted through
    // the code page's best fit (é as e, ¥ as '\'), which names other files, and the runtime's own start-up
    // code cuts an unquoted program path with Shift-JIS characters in the wrong place.
    HWND dialog = CreateMainDialog(instance, CommandLineTail(GetCommandLineW()));
    if (!dialog) {
        // Closed by input handled while it initialised: it saved and quit like any other close.
        MSG quit;
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(quit.wParam);
        return -1;
    }
    int exitCode = RunMessageLoop(dialog);
    OleUninitialize();
    return exitCode;
}
