// Add, 元に戻す, Add again, then Delete over N listed files through the real main dialog, beside a bare MoveFileA loop
// doing the same renames. Usage: rename_bench ROOT N [FILES_PER_FOLDER]
// ROOT must exist and be empty; the files are left there under their first names, so that a native
// loop can rename the same files afterwards (tools/bench-rename does that and prints the ratios).
// It also prints what the progress label cost the Add, from its parts timed on the same dialog.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "bench_dialog.h"
#include "app/main_dialog.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"
#include "filelist/work_progress.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "tags/tag_paths.h"
#include "text/text_buffer.h"

namespace {

// N files, perFolder to a folder; every tenth name is Shift-JIS with a 0x5C second byte.
std::vector<std::string> MakeFiles(const std::string& root, int count, int perFolder)
{
    std::vector<std::string> locations;
    for (int i = 0; i < count; ++i) {
        char folder[kTextBufferSize];
        std::snprintf(folder, sizeof folder, "%s\\d%04d", root.c_str(), i / perFolder);
        if (i % perFolder == 0) CreateDirectoryA(folder, nullptr);
        char location[kTextBufferSize];
        std::snprintf(location, sizeof location, i % 10 == 0 ? "%s\\資料ソ_%05d.txt" : "%s\\report_%05d.txt", folder,
                      i);
        HANDLE file = CreateFileA(location, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            std::fprintf(stderr, "cannot create %s\n", location);
            std::exit(2);
        }
        DWORD written = 0;
        WriteFile(file, location, static_cast<DWORD>(std::strlen(location)), &written, nullptr);
        CloseHandle(file);
        locations.push_back(location);
    }
    return locations;
}

// Clicks a button of the dialog (the command runs, then drains) and counts the rows marked "完".
double TimeClick(HWND dialog, int button, int* doneRows)
{
    double start = BenchSeconds();
    SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    double elapsed = BenchSeconds() - start;
    ListViewOps list = ListViewOps::OfDialog(dialog);
    *doneRows = 0;
    for (int row = 0; row < list.RowCount(); ++row) {
        char mark[kTextBufferSize] = {};
        list.GetText(row, kColumnResult, mark, sizeof mark);
        if (std::strcmp(mark, kResultDone) == 0) ++*doneRows;
    }
    return elapsed;
}

// The same renames as Add (pass 0) or Delete (pass 1), with nothing around them.
double TimeBareMoves(const std::vector<std::string>& locations, int pass, int* failures)
{
    std::vector<std::string> tagged;
    for (const std::string& location : locations) {
        // Found from the start: ソ ends in the byte of '\\'.
        const std::size_t name = static_cast<std::size_t>(FindFileNamePart(location.c_str()) - location.c_str());
        tagged.push_back(location.substr(0, name) + "[Memo]" + location.substr(name));
    }
    double start = BenchSeconds();
    for (std::size_t i = 0; i < locations.size(); ++i) {
        BOOL moved = pass == 0 ? MoveFileA(locations[i].c_str(), tagged[i].c_str())
                               : MoveFileA(tagged[i].c_str(), locations[i].c_str());
        if (!moved) ++*failures;
    }
    return BenchSeconds() - start;
}

// RemoveTag over every location without renaming: what reading the settings on every row would add.
double TimeRemoveTag(const std::vector<std::string>& locations)
{
    double start = BenchSeconds();
    for (const std::string& location : locations) {
        char out[kTextBufferSize] = {};
        RemoveTag(location.c_str(), "Memo", out);
    }
    return BenchSeconds() - start;
}

// What the progress label costs a batch that ran for batchSeconds over rows rows, from its two parts timed
// on the live dialog: the check every row makes, and one repaint of the label with its look at the queue,
// which a batch makes at every repaint interval after its quiet start.
double ProgressShare(HWND dialog, int rows, double batchSeconds, double* checkSeconds, double* showSeconds, int* shows)
{
    WorkProgress progress(dialog, "処理中 %u/%u");
    Sleep(static_cast<DWORD>(kProgressQuietMs + 100));
    const int repaints = 20;
    double shown = 0;
    for (int i = 0; i < repaints; ++i) {
        Sleep(static_cast<DWORD>(kProgressRepaintEveryMs + 10));
        double start = BenchSeconds();
        ReportWorkProgress(static_cast<unsigned>(i), static_cast<unsigned>(rows));
        shown += BenchSeconds() - start;
    }
    *showSeconds = shown / repaints;
    double start = BenchSeconds();
    for (int row = 0; row < rows; ++row) {
        ReportWorkProgress(static_cast<unsigned>(row), static_cast<unsigned>(rows));
    }
    *checkSeconds = BenchSeconds() - start;
    const double quiet = kProgressQuietMs / 1000.0;
    const double every = kProgressRepaintEveryMs / 1000.0;
    *shows = batchSeconds > quiet ? static_cast<int>((batchSeconds - quiet) / every) + 1 : 0;
    return (*checkSeconds + *shows * *showSeconds) / batchSeconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: rename_bench ROOT N [FILES_PER_FOLDER]\n");
        return 2;
    }
    std::string root = argv[1];
    int count = std::atoi(argv[2]);
    int perFolder = argc > 3 ? std::atoi(argv[3]) : 100;
    if (count <= 0 || perFolder <= 0) return 2;

    // The settings and the history land in ROOT, as beside the program.
    SetCurrentDirectoryA(root.c_str());
    // A program folder that has been used holds the settings saved on close.
    WritePrivateProfileStringA("設定", "ext", "*", ".\\設定.ini");
    WritePrivateProfileStringA("設定", "IsDir", "1", ".\\設定.ini");
    std::vector<std::string> locations = MakeFiles(root, count, perFolder);

    HWND dialog = BenchOpenDialog();
    ListViewOps list = ListViewOps::OfDialog(dialog);
    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& location : locations) AppendFileRow(list, location.c_str());
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    UpdateWindow(dialog);
    SetDlgItemTextA(dialog, IDC_TAG_COMBO, "Memo");

    int added = 0;
    int deleted = 0;
    double add = TimeClick(dialog, IDC_ADD_BUTTON, &added);
    // Right after the Add, so that its parts are timed in the same state of a machine whose speed drifts.
    double checks = 0;
    double show = 0;
    int shows = 0;
    double progressShare = ProgressShare(dialog, count, add, &checks, &show, &shows);
    // 元に戻す puts the Add's renames back; the Add is made again for the Delete.
    int undone = 0;
    int addedAgain = 0;
    // Its baseline is the same files untagged bare right before and right after it, the mean of the two: the
    // machine's speed drifts. A rename keeps a file's identity, so the bare passes leave the record good.
    int undoBaselineFailures = 0;
    double bareUndo = TimeBareMoves(locations, 1, &undoBaselineFailures);
    TimeBareMoves(locations, 0, &undoBaselineFailures);
    double undo = TimeClick(dialog, IDC_UNDO_BUTTON, &undone);
    TimeBareMoves(locations, 0, &undoBaselineFailures);
    bareUndo = (bareUndo + TimeBareMoves(locations, 1, &undoBaselineFailures)) / 2;
    TimeClick(dialog, IDC_ADD_BUTTON, &addedAgain);
    double del = TimeClick(dialog, IDC_DELETE_BUTTON, &deleted);
    DestroyWindow(dialog);

    int failures = 0;
    double bareAdd = TimeBareMoves(locations, 0, &failures);
    double bareDelete = TimeBareMoves(locations, 1, &failures);
    double bare = bareAdd + bareDelete;

    double removeTag = TimeRemoveTag(locations);

    std::printf("%s: rows %d, %d per folder\n", BenchArch(), count, perFolder);
    std::printf("dialog Add     %8.3f s  (%d renamed)\n", add, added);
    std::printf("dialog Delete  %8.3f s  (%d renamed)\n", del, deleted);
    std::printf("dialog Undo    %8.3f s  (%d put back after the Add; %.2f times bare untagging of %.3f s around it)\n",
                undo, undone, undo / bareUndo, bareUndo);
    std::printf("bare MoveFileA %8.3f s  (tagging %.3f s, untagging %.3f s; %d renames, %d failed)\n", bare, bareAdd,
                bareDelete, 2 * count, failures);
    std::printf("RemoveTag      %8.3f s  (%d calls, settings read on each, no renames)\n", removeTag, count);
    std::printf("progress       %7.2f %% of Add  (checks %.4f s, %d repaints of %.2f ms)\n", 100 * progressShare,
                checks, shows, 1000 * show);
    std::printf("ratio dialog / bare MoveFileA: %.2f\n", (add + del) / bare);
    std::printf("RESULT dialog=%.6f movefile=%.6f\n", add + del, bare);
    return added == count && undone == count && addedAgain == count && deleted == count && failures == 0 &&
                   undoBaselineFailures == 0
               ? 0
               : 1;
}
