// Times the intake of a folder tree into the list view of the shown main dialog against a plain
// FindFirstFileA walk of the same tree in the same run.
// Usage: intake_bench [file count] [breakdown] (default 1000; 100 files per folder). With "breakdown",
// also the cost per row of each list-view message the intake sends, the notifications they raise, and
// a first fill of a new dialog's list against a refill of it.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "app/main_dialog.h"
#include "app/message_loop.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view.h"
#include "filelist/list_view_ops.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/path_intake.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "bench_dialog.h"

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

// The real main dialog, shown and painted empty, as at start-up: its dialog procedure gets every
// notification the list view sends.
HWND CreateShownDialog()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return CreateMainDialog(GetModuleHandleA(nullptr), L"");
}

void PaintNow(HWND window)
{
    UpdateWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

// Notifications that reach the dialog, by code, while counting is on.
std::map<UINT, unsigned> notificationCounts;
WNDPROC dialogWindowProc = nullptr;

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        ++notificationCounts[reinterpret_cast<NMHDR*>(lParam)->code];
    }
    return CallWindowProcA(dialogWindowProc, window, message, wParam, lParam);
}

const char* NotificationName(UINT code)
{
    switch (code) {
    case LVN_INSERTITEM:
        return "LVN_INSERTITEM";
    case LVN_ITEMCHANGING:
        return "LVN_ITEMCHANGING";
    case LVN_ITEMCHANGED:
        return "LVN_ITEMCHANGED";
    case LVN_DELETEALLITEMS:
        return "LVN_DELETEALLITEMS";
    case NM_CUSTOMDRAW:
        return "NM_CUSTOMDRAW";
    default:
        return "other";
    }
}

void PrintPerRow(const char* what, double seconds, std::size_t rows)
{
    std::printf("  %-44s %8.2f us/row\n", what, seconds * 1e6 / static_cast<double>(rows));
}

// The locations appended into the list of dialog as an intake appends them.
double FillSeconds(HWND dialog, const std::vector<std::string>& locations)
{
    ListIntake intake(dialog);
    LARGE_INTEGER start = Now();
    for (const std::string& location : locations) AppendFileRow(intake.List(), location.c_str());
    return Seconds(start, Now());
}

// A list view's first fill against a refill once cleared, which finds its memory grown already, and
// the clear between them.
void PrintFirstFill(const std::vector<std::string>& locations)
{
    HWND dialog = CreateShownDialog();
    PaintNow(dialog);
    ListViewOps list = ListViewOps::OfDialog(dialog);
    const double first = FillSeconds(dialog, locations);
    LARGE_INTEGER start = Now();
    RemoveAllRows(list);
    const double clear = Seconds(start, Now());
    const double again = FillSeconds(dialog, locations);
    PrintPerRow("AppendFileRow, first fill of a new dialog", first, locations.size());
    PrintPerRow("AppendFileRow, the same list refilled", again, locations.size());
    PrintPerRow("clearing the list between them", clear, locations.size());
    DestroyWindow(dialog);
    PaintNow(dialog);
}

// Each step of AppendFileRow on its own, over all rows in one batch with redraw off, into the empty
// list of the shown dialog; then the notifications the list view sent the dialog for one such append.
void PrintBreakdown(HWND dialog, const MemoryFileList& rows)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    std::vector<std::string> locations;
    std::vector<std::uint32_t> keys;
    char text[1024];
    for (int row = 0; row < rows.RowCount(); ++row) {
        rows.GetText(row, kColumnLocation, text, sizeof text);
        locations.push_back(text);
        keys.push_back(rows.GetKey(row));
    }
    std::size_t count = locations.size();
    std::printf("per row, %u rows, redraw off, shown main dialog:\n", static_cast<unsigned>(count));

    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    LARGE_INTEGER start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.InsertRow(static_cast<int>(row), keys[row]);
    }
    PrintPerRow("LVM_INSERTITEMA (LVIF_PARAM)", Seconds(start, Now()), count);
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.SetText(static_cast<int>(row), kColumnName, FindFileNamePart(locations[row].c_str()));
    }
    PrintPerRow("LVM_SETITEMTEXTA name", Seconds(start, Now()), count);
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.SetText(static_cast<int>(row), kColumnLocation, locations[row].c_str());
    }
    PrintPerRow("LVM_SETITEMTEXTA location", Seconds(start, Now()), count);
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.GetText(static_cast<int>(row), kColumnLocation, text, sizeof text);
    }
    PrintPerRow("LVM_GETITEMTEXTA location (read-back)", Seconds(start, Now()), count);
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.RowCount();
    }
    PrintPerRow("LVM_GETITEMCOUNT (a message doing nothing)", Seconds(start, Now()), count);
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        list.Locations();
    }
    PrintPerRow("ListViewOps::Locations (the index's lookup)", Seconds(start, Now()), count);
    NMHDR unhandled = {list.Window(), static_cast<UINT_PTR>(IDC_FILE_LIST), LVN_ITEMCHANGED};
    start = Now();
    for (std::size_t row = 0; row < count; ++row) {
        SendMessageA(dialog, WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&unhandled));
    }
    PrintPerRow("WM_NOTIFY to the dialog, a code not handled", Seconds(start, Now()), count);
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    RemoveAllRows(list);

    // One more row, counted: what every append costs in notifications.
    dialogWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingWindowProc)));
    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    AppendFileRow(list, locations.front().c_str());
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialogWindowProc));
    std::printf("notifications to the dialog for one AppendFileRow:\n");
    for (const auto& [code, times] : notificationCounts) {
        std::printf("  %-20s (%d) x %u\n", NotificationName(code), static_cast<int>(code), times);
    }
    PrintFirstFill(locations);
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
    std::printf("%s: tree of %u files built in %.2f s\n", sizeof(void*) == 8 ? "x64" : "x86", fileCount,
                Seconds(start, Now()));

    HWND window = CreateShownDialog();
    if (window == nullptr) {
        std::printf("the main dialog could not be created\n");
        BenchRemoveTree(root);
        return 1;
    }
    PaintNow(window);

    start = Now();
    unsigned walked = BenchWalk(root);
    double walkSeconds = Seconds(start, Now());

    wchar_t text[MAX_PATH + 2] = {};
    MultiByteToWideChar(CP_ACP, 0, root.c_str(), -1, text, MAX_PATH);
    // The same intake into an in-memory table: what the scan and the model cost without the control.
    static PathIntake intake;
    MemoryFileList memory;
    start = Now();
    if (StartPathIntake(&intake, "*", 1, nullptr)) AddGivenPath(memory, &intake, text);
    double memorySeconds = Seconds(start, Now());

    start = Now();
    if (StartPathIntake(&intake, "*", 1, nullptr)) {
        ListIntake listIntake(window);
        AddGivenPath(listIntake.List(), &intake, text);
    }
    double intakeSeconds = Seconds(start, Now());
    PaintNow(window);
    double paintedSeconds = Seconds(start, Now());
    ListViewOps list = ListViewOps::OfDialog(window);

    // A header click: the sort reads and writes back every row.
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list.Window();
    click.hdr.idFrom = IDC_FILE_LIST;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = kColumnName;
    INT_PTR result = 1;
    start = Now();
    OnListNotify(window, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click), &result);
    PaintNow(window);
    double sortSeconds = Seconds(start, Now());

    int listed = list.RowCount();
    std::printf("files walked %u, rows listed %d\n", walked, listed);
    std::printf("FindFirstFileA walk : %8.3f s\n", walkSeconds);
    std::printf("dialog intake       : %8.3f s (%.3f s with the repaint)\n", intakeSeconds, paintedSeconds);
    std::printf("ratio intake / walk : %8.2f\n", walkSeconds > 0 ? intakeSeconds / walkSeconds : 0.0);
    std::printf("in-memory intake    : %8.3f s (%d rows)\n", memorySeconds, memory.RowCount());
    std::printf("sort by name        : %8.3f s\n", sortSeconds);

    if (argc > 2 && std::strcmp(argv[2], "breakdown") == 0) {
        RemoveAllRows(list);
        PrintBreakdown(window, memory);
    }

    RemoveAllRows(list);
    DestroyWindow(window);
    BenchRemoveTree(root);
    return walked == static_cast<unsigned>(listed) ? 0 : 1;
}
