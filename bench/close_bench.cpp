// Close of the shown main dialog (WM_CLOSE, which saves the picker into ".\タグ.txt") with a history of
// N lines and a picker of N entries loaded from it, against reading the file once with fgets.
// Usage: close_bench [line count ...] (default 10000 100000). One entry in a hundred is new to the file,
// so the close also appends. The start with that history (the whole dialog opening) is timed as well, against
// an empty start and against adding the same lines to a sorted combo box with CB_INITSTORAGE and redraw off.
// The history is first written as Notepad saves it, in UTF-8: its conversion to Shift-JIS (once, at the first
// start) and the check that every later start makes of the Shift-JIS file are timed too, and so is the append a
// batch makes with its first rename (a tag new to that history).
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_dialog.h"
#include "store/file_names.h"
#include "store/shift_jis_conversion.h"
#include "store/tag_history.h"

namespace {

void WriteUtf8History(int count)
{
    std::FILE* file = std::fopen(".\\タグ.txt", "wb");
    // Every tenth tag ソ, which in Shift-JIS has a 0x5C second byte.
    for (int i = 0; i < count; ++i) std::fprintf(file, i % 10 == 0 ? u8"ソ%06d\r\n" : "tag%06d\r\n", i);
    std::fclose(file);
}

// Seconds that start-up's conversion takes; false in told when it could not convert.
double TimeStartUpConversion(bool* told)
{
    const double start = BenchSeconds();
    *told = !ConvertStoreFilesToShiftJis().empty();
    return BenchSeconds() - start;
}

int CountLines()
{
    std::FILE* file = std::fopen(".\\タグ.txt", "rt");
    if (!file) return -1;
    int lines = 0;
    char line[1024];
    while (std::fgets(line, sizeof line, file)) ++lines;
    std::fclose(file);
    return lines;
}

// The lines added one by one to a sorted drop-down combo box, its storage taken at once and its redraw off.
double TimeSortedAdd(int count)
{
    std::FILE* file = std::fopen(".\\タグ.txt", "rt");
    if (!file) return 0;
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT, 0, 0, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const double start = BenchSeconds();
    SendMessageA(combo, CB_INITSTORAGE, count, count * 16);
    SendMessageA(combo, WM_SETREDRAW, FALSE, 0);
    char line[1024];
    while (std::fgets(line, sizeof line, file)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
    SendMessageA(combo, WM_SETREDRAW, TRUE, 0);
    const double seconds = BenchSeconds() - start;
    std::fclose(file);
    DestroyWindow(combo);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    bool allSaved = true;
    std::printf("%4s %8s %10s %10s %10s %10s %10s %10s %10s %10s %10s %8s %10s %8s %10s\n", "arch", "lines", "utf8 s",
                "check s", "fgets s", "sorted s", "empty s", "start s", "more s", "more/sort", "close s", "cl/fgets",
                "entries", "after", "append s");
    for (int count : BenchCounts(argc, argv)) {
        const std::string folder = BenchProgramFolder("tagrin-close-bench", count);
        double start = BenchSeconds();
        HWND empty = BenchOpenDialog();
        const double emptyStart = BenchSeconds() - start;
        DestroyWindow(empty);
        BenchPaintNow(empty);
        WriteUtf8History(count);
        bool toldOnConversion = false;
        bool toldOnCheck = false;
        const double converted = TimeStartUpConversion(&toldOnConversion);
        const double checked = TimeStartUpConversion(&toldOnCheck);

        start = BenchSeconds();
        const int read = CountLines();
        const double baseline = BenchSeconds() - start;
        const double sorted = TimeSortedAdd(count);

        start = BenchSeconds();
        HWND dialog = BenchOpenDialog();
        const double loaded = BenchSeconds() - start;
        const int added = count / 100;
        for (int i = 0; i < added; ++i) {
            char tag[32];
            std::snprintf(tag, sizeof tag, "new%06d", i);
            SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tag));
        }
        const LRESULT entries = SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_GETCOUNT, 0, 0);

        start = BenchSeconds();
        SendMessageA(dialog, WM_CLOSE, 0, 0);
        const double closed = BenchSeconds() - start;
        BenchPaintNow(dialog);

        // The close has read the file: a later batch of the run reads only what was added after it.
        start = BenchSeconds();
        AppendTagToHistory(kHistoryFile, "batch-tag");
        const double appended = BenchSeconds() - start;

        const int after = CountLines() - 1;
        allSaved = allSaved && read == count && after == count + added && !IsWindow(dialog) && !toldOnConversion &&
                   !toldOnCheck;
        const double more = loaded - emptyStart;
        std::printf("%4s %8d %10.3f %10.3f %10.3f %10.3f %10.3f %10.3f %10.3f %10.2f %10.3f %8.2f %10ld %8d %10.4f\n",
                    BenchArch(), count, converted, checked, baseline, sorted, emptyStart, loaded, more,
                    sorted > 0 ? more / sorted : 0.0, closed, baseline > 0 ? closed / baseline : 0.0,
                    static_cast<long>(entries), after, appended);
        std::fflush(stdout);
        BenchRemoveProgramFolder(folder);
    }
    return allSaved ? 0 : 1;
}
