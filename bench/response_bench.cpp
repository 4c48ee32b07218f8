// How long the shown main dialog goes without answering a message sent from another thread (WM_GETTEXT,
// sent again as soon as it is answered) during long work, and what that work costs against a plain walk.
// Usage: response_bench [file count] [rows to Add] (default 50000 20000; 100 files to a folder).
// Over one tree of tagged names (each a tag of its own and one of ten shared ones): a plain FindFirstFileA
// walk; the drop of the tree with its tag collection; a re-drop where nothing is new; a tag collection
// over every row into an emptied picker; then an Add over the first rows, dropped into an emptied list.
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "bench_dialog.h"
#include "filelist/list_view.h"
#include "filelist/work_progress.h"
#include "tags/tag_collection.h"

namespace {

constexpr int kFilesPerFolder = 100;

std::string FolderOf(const std::string& root, int index)
{
    char folder[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%s\\d%04d", root.c_str(), index / kFilesPerFolder);
    return folder;
}

void BuildTree(const std::string& root, int count)
{
    CreateDirectoryA(root.c_str(), nullptr);
    for (int i = 0; i < count; ++i) {
        const std::string folder = FolderOf(root, i);
        if (i % kFilesPerFolder == 0) CreateDirectoryA(folder.c_str(), nullptr);
        char name[MAX_PATH];
        // Every tenth tag Shift-JIS with a 0x5C second byte (表).
        std::snprintf(name, sizeof name,
                      i % 10 == 0 ? "%s\\[表%06d][共通%d]report_%06d.txt" : "%s\\[t%06d][共通%d]report_%06d.txt",
                      folder.c_str(), i, i % 10, i);
        CloseHandle(CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
}

// A drop as the shell makes it: a DROPFILES block, the NUL-separated paths and one more NUL.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& path : paths) size += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* cursor = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& path : paths) {
        std::memcpy(cursor, path.c_str(), path.size() + 1);
        cursor += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Another thread sends WM_GETTEXT to the dialog again and again while work runs and keeps the longest
// wait for an answer.
class Prober {
public:
    explicit Prober(HWND dialog) : thread_([this, dialog] { Run(dialog); }) {}
    // Stops the thread, answering its last message, and gives the longest wait in seconds.
    double Stop()
    {
        stop_ = true;
        while (!finished_) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
        }
        thread_.join();
        return longest_;
    }
    unsigned Answers() const { return answers_; }

private:
    void Run(HWND dialog)
    {
        while (!stop_) {
            char title[64];
            const double start = BenchSeconds();
            SendMessageA(dialog, WM_GETTEXT, sizeof title, reinterpret_cast<LPARAM>(title));
            const double waited = BenchSeconds() - start;
            if (waited > longest_) longest_ = waited;
            ++answers_;
        }
        finished_ = true;
    }

    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    double longest_ = 0;
    unsigned answers_ = 0;
    std::thread thread_;
};

struct Measured {
    double seconds;
    double longestWait;
    unsigned answers;
};

template <typename Work>
Measured Measure(HWND dialog, Work work)
{
    Prober prober(dialog);
    const double start = BenchSeconds();
    work();
    const double seconds = BenchSeconds() - start;
    const double longest = prober.Stop();
    return {seconds, longest, prober.Answers()};
}

void Print(const char* what, int items, const Measured& m, double baseline)
{
    std::printf("%4s %-34s %7d %9.3f %8.2f %10.3f %8u\n", BenchArch(), what, items, m.seconds,
                baseline > 0 ? m.seconds / baseline : 0.0, m.longestWait, m.answers);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int addRows = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::string folder = BenchProgramFolder("tagrin-response-bench", count);
    const std::string root = folder + "\\tree";
    BuildTree(root, count);
    HWND dialog = BenchOpenDialog();
    ListViewOps list = ListViewOps::OfDialog(dialog);

    double start = BenchSeconds();
    const int walked = static_cast<int>(BenchWalk(root));
    const double walk = BenchSeconds() - start;
    std::printf("%4s %-34s %7s %9s %8s %10s %8s\n", "arch", "work", "items", "s", "/walk", "longest s", "answers");
    std::printf("%4s %-34s %7d %9.3f\n", BenchArch(), "plain walk (baseline)", walked, walk);

    const Measured drop =
        Measure(dialog, [&] { SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({root})), 0); });
    Print("drop with its tag collection", list.RowCount(), drop, walk);
    const LRESULT entries = SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_GETCOUNT, 0, 0);

    const Measured redrop =
        Measure(dialog, [&] { SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({root})), 0); });
    Print("re-drop, nothing new", list.RowCount(), redrop, walk);

    SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_RESETCONTENT, 0, 0);
    const Measured collection = Measure(dialog, [&] {
        // Inside work, as after an intake.
        WorkProgress progress(dialog, "読込中 %u件");
        CollectListedTags(dialog, 0);
    });
    Print("tag collection, emptied picker", list.RowCount(), collection, walk);
    const bool collected = SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_GETCOUNT, 0, 0) == entries;

    RemoveAllRows(list);
    std::vector<std::string> folders;
    for (int i = 0; i < addRows && i < count; i += kFilesPerFolder) folders.push_back(FolderOf(root, i));
    SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(folders)), 0);
    BenchPaintNow(dialog);
    const int rows = list.RowCount();
    SetWindowTextA(GetWindow(GetDlgItem(dialog, IDC_TAG_COMBO), GW_CHILD), "Memo");
    const Measured add = Measure(dialog, [&] { SendMessageA(GetDlgItem(dialog, IDC_ADD_BUTTON), BM_CLICK, 0, 0); });
    Print("Add", rows, add, walk);

    DestroyWindow(dialog);
    BenchPaintNow(dialog);
    BenchRemoveTree(root);
    BenchRemoveProgramFolder(folder);
    const bool whole = walked == count && entries == count + 10 && collected && rows == addRows;
    if (!whole)
        std::printf("unexpected counts: walked %d, entries %ld, rows %d\n", walked, static_cast<long>(entries), rows);
    return whole ? 0 : 1;
}
