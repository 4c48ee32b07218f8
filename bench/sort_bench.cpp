// A header click on "ファイル名" in the shown main dialog, sent as the list view's LVN_COLUMNCLICK to
// the dialog, against reading the same row texts and std::sort of them in the same run.
// Usage: sort_bench [row count ...] (default 10000 100000). The rows are names in shuffled order and
// need no files: sorting reads and writes the list only. Beside the click it times the two parts of the
// reorder that the platform's list view does (writes, control), and the ratio that floor has to the baseline.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_dialog.h"

namespace {

// 0 to count - 1 in an order fixed by seed.
std::vector<int> ShuffledNumbers(int count, std::uint32_t seed)
{
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    for (int i = count - 1; i > 0; --i) {
        seed = seed * 1664525u + 1013904223u;
        std::swap(order[static_cast<std::size_t>(i)], order[seed % static_cast<std::uint32_t>(i + 1)]);
    }
    return order;
}

// Shuffled names; every tenth one Shift-JIS with a 0x5C second byte (ソ).
std::vector<std::string> ShuffledLocations(int count)
{
    std::vector<std::string> locations;
    for (int i : ShuffledNumbers(count, 12345)) {
        char location[256];
        std::snprintf(location, sizeof location,
                      i % 10 == 0 ? "C:\\bench\\d%04d\\資料ソ_%06d.txt" : "C:\\bench\\d%04d\\report_%06d.txt", i / 100,
                      i);
        locations.push_back(location);
    }
    return locations;
}

// Rows out of the order the click asked for (descending when descending is true).
int PairsOutOfOrder(const std::vector<std::string>& names, bool descending)
{
    int wrong = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
        // std::string compares as unsigned bytes, as the sort does.
        const int order = names[i - 1].compare(names[i]);
        if (descending ? order < 0 : order > 0) ++wrong;
    }
    return wrong;
}

// The two costs of the platform's list view that the reorder through the control's sort pays, timed on the sorted list
// after the click: one item-data write to every row (the reorder writes every row's item data twice, to
// give the control's sort unique values and to give the keys back), and the control's own LVM_SORTITEMS
// over a shuffled order by those values. Leaves the rows shuffled, with ranks for keys.
struct ControlFloors {
    double writes;
    double controlSort;
};

int CALLBACK CompareItemData(LPARAM a, LPARAM b, LPARAM)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

ControlFloors MeasureControlFloors(HWND list, int count)
{
    const std::vector<int> ranks = ShuffledNumbers(count, 54321);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ControlFloors floors = {};
    double start = BenchSeconds();
    for (int row = 0; row < count; ++row) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = ranks[static_cast<std::size_t>(row)];
        SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    floors.writes = BenchSeconds() - start;
    start = BenchSeconds();
    SendMessageA(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(CompareItemData));
    floors.controlSort = BenchSeconds() - start;
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return floors;
}

}  // namespace

int main(int argc, char** argv)
{
    bool allSorted = true;
    bool descending = false;  // the sort direction is one flag for the process, flipped by every click
    std::printf("%4s %8s %12s %12s %14s %8s %12s %10s %12s %12s\n", "arch", "rows", "read+sort s", "click s",
                "click+paint s", "ratio", "out of order", "writes s", "control s", "floor ratio");
    for (int count : BenchCounts(argc, argv)) {
        const std::string folder = BenchProgramFolder("tagrin-sort-bench", count);
        HWND dialog = BenchOpenDialog();
        BenchFillRows(dialog, ShuffledLocations(count));

        double start = BenchSeconds();
        std::vector<std::string> names = BenchReadColumn(dialog, kColumnName);
        std::sort(names.begin(), names.end());
        const double baseline = BenchSeconds() - start;

        HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = list;
        click.hdr.idFrom = IDC_FILE_LIST;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = kColumnName;
        start = BenchSeconds();
        SendMessageA(dialog, WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
        const double sorted = BenchSeconds() - start;
        BenchPaintNow(dialog);
        const double painted = BenchSeconds() - start;
        descending = !descending;

        const int wrong = PairsOutOfOrder(BenchReadColumn(dialog, kColumnName), descending);
        allSorted = allSorted && wrong == 0;
        // The least a click can cost here: the baseline's reading, two item-data passes and the control's sort.
        const ControlFloors floors = MeasureControlFloors(list, count);
        const double floor = baseline + 2 * floors.writes + floors.controlSort;
        std::printf("%4s %8d %12.3f %12.3f %14.3f %8.2f %12d %10.3f %12.3f %12.2f\n", BenchArch(), count, baseline,
                    sorted, painted, baseline > 0 ? sorted / baseline : 0.0, wrong, floors.writes, floors.controlSort,
                    baseline > 0 ? floor / baseline : 0.0);
        std::fflush(stdout);
        SendMessageA(dialog, WM_CLOSE, 0, 0);
        BenchPaintNow(dialog);
        BenchRemoveProgramFolder(folder);
    }
    return allSorted ? 0 : 1;
}
