// Times the intake of a folder tree into a shown list view against a plain FindFirstFileA walk of the
// same tree in the same run. Usage: intake_bench [file count] (default 1000; 100 files per folder).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/control_ids.h"
#include "filelist/file_list_model.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/memory_file_list.h"
#include "filelist/path_intake.h"

namespace {

constexpr unsigned kFilesPerFolder = 100;

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// Names like report_00042.txt, whose byte sums collide a lot; every tenth one Shift-JIS (報告, 表).
void BuildTree(const std::string& root, unsigned fileCount)
{
    CreateDirectoryA(root.c_str(), nullptr);
    for (unsigned index = 0; index < fileCount; ++index) {
        std::string folder = root + "\\d" + std::to_string(index / kFilesPerFolder);
        if (index % kFilesPerFolder == 0) {
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        char name[64];
        if (index % 10 == 3) {
            std::snprintf(name, sizeof name, "報告_%05u.txt", index);
        } else if (index % 10 == 7) {
            std::snprintf(name, sizeof name, "表_%05u.txt", index);
        } else {
            std::snprintf(name, sizeof name, "report_%05u.txt", index);
        }
        HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
}

unsigned Walk(const std::string& folder)
{
    unsigned files = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return 0;
    }
    do {
        if (entry.cFileName[0] == '.') {
            continue;
        }
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files += Walk(folder + "\\" + entry.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return files;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string path = folder + "\\" + entry.cFileName;
            if (entry.cFileName[0] == '.') {
                continue;
            }
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

HWND CreateShownList()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TagrinIntakeBench";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "TagrinIntakeBench", "intake bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  800, 600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 780, 560, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFileList)), GetModuleHandleA(nullptr), nullptr);
    SetUpFileListView(window);
    return window;
}

void PaintNow(HWND window)
{
    UpdateWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned fileCount = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)) : 1000;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "tagrin-bench-" + std::to_string(GetCurrentProcessId());

    LARGE_INTEGER start = Now();
    BuildTree(root, fileCount);
    std::printf("tree of %u files built in %.2f s\n", fileCount, Seconds(start, Now()));

    HWND window = CreateShownList();
    PaintNow(window);

    start = Now();
    unsigned walked = Walk(root);
    double walkSeconds = Seconds(start, Now());

    std::string text = "\"" + root + "\"";
    // The same intake into an in-memory table: what the scan and the model cost without the control.
    MemoryFileList memory;
    start = Now();
    AddPathsToList(memory, text.c_str(), "*", 1);
    double memorySeconds = Seconds(start, Now());

    start = Now();
    AddPathList(window, text.c_str(), "*", 1);
    double intakeSeconds = Seconds(start, Now());
    PaintNow(window);
    double paintedSeconds = Seconds(start, Now());
    ListViewOps list = ListViewOps::OfDialog(window);

    // A header click: the sort reads and writes back every row.
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list.Window();
    click.hdr.idFrom = kFileList;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = kColumnName;
    INT_PTR result = 1;
    start = Now();
    OnListNotify(window, kFileList, reinterpret_cast<LPARAM>(&click), &result);
    PaintNow(window);
    double sortSeconds = Seconds(start, Now());

    int listed = list.RowCount();
    std::printf("files walked %u, rows listed %d\n", walked, listed);
    std::printf("FindFirstFileA walk : %8.3f s\n", walkSeconds);
    std::printf("AddPathList intake  : %8.3f s (%.3f s with the repaint)\n", intakeSeconds, paintedSeconds);
    std::printf("ratio intake / walk : %8.2f\n", walkSeconds > 0 ? intakeSeconds / walkSeconds : 0.0);
    std::printf("in-memory intake    : %8.3f s (%d rows)\n", memorySeconds, memory.RowCount());
    std::printf("sort by name        : %8.3f s\n", sortSeconds);

    RemoveAllRows(list);
    ReleaseLocationIndex(list.Window());
    DestroyWindow(window);
    RemoveTree(root);
    return walked == static_cast<unsigned>(listed) ? 0 : 1;
}
