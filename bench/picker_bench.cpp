// The picker's collection of the tags in the listed names (CollectListedTags over the shown main dialog)
// against reading the same N locations from the list in the same run.
// Usage: picker_bench [row count ...] (default 10000 100000). Every name carries a tag of its own and one
// of ten shared tags, so a pass adds about N entries and finds the shared ones again and again.
// Then, with those N entries in the picker, a drop's share: ten rows that bring ten new tags, timed as
// the whole collection over them and as the picker's part alone.
#include <cstdio>
#include <string>
#include <vector>

#include "bench_dialog.h"
#include "filelist/list_view.h"
#include "store/picker_entries.h"
#include "tags/tag_collection.h"

namespace {

std::vector<std::string> TaggedLocations(int count)
{
    std::vector<std::string> locations;
    for (int i = 0; i < count; ++i) {
        char location[256];
        // Every tenth tag Shift-JIS with a 0x5C second byte (表).
        std::snprintf(location, sizeof location,
                      i % 10 == 0 ? "C:\\bench\\d%04d\\[表%06d][共通%d]report_%06d.txt"
                                  : "C:\\bench\\d%04d\\[t%06d][共通%d]report_%06d.txt",
                      i / 100, i, i % 10, i);
        locations.push_back(location);
    }
    return locations;
}

}  // namespace

int main(int argc, char** argv)
{
    bool allCollected = true;
    std::printf("%4s %8s %12s %12s %8s %10s\n", "arch", "rows", "read s", "collect s", "ratio", "entries");
    for (int count : BenchCounts(argc, argv)) {
        const std::string folder = BenchProgramFolder("tagrin-picker-bench", count);
        HWND dialog = BenchOpenDialog();
        BenchFillRows(dialog, TaggedLocations(count));

        double start = BenchSeconds();
        const std::vector<std::string> locations = BenchReadColumn(dialog, kColumnLocation);
        const double baseline = BenchSeconds() - start;

        start = BenchSeconds();
        // The rows were just added, as after an intake.
        CollectListedTags(dialog, 0);
        const double collected = BenchSeconds() - start;

        const LRESULT entries = SendDlgItemMessageA(dialog, IDC_TAG_COMBO, CB_GETCOUNT, 0, 0);
        allCollected = allCollected && entries == count + 10 && locations.size() == static_cast<std::size_t>(count);
        std::printf("%4s %8d %12.3f %12.3f %8.2f %10ld\n", BenchArch(), count, baseline, collected,
                    baseline > 0 ? collected / baseline : 0.0, static_cast<long>(entries));
        std::fflush(stdout);

        // Ten rows with ten new tags, as a drop of ten files brings them.
        ListViewOps list = ListViewOps::OfDialog(dialog);
        RemoveAllRows(list);
        std::vector<std::string> fresh;
        for (int i = 0; i < 10; ++i) fresh.push_back("C:\\bench\\new\\[new" + std::to_string(i) + "]report.txt");
        BenchFillRows(dialog, fresh);
        start = BenchSeconds();
        CollectListedTags(dialog, 0);
        const double tenRows = BenchSeconds() - start;
        HWND combo = GetDlgItem(dialog, IDC_TAG_COMBO);
        start = BenchSeconds();
        {
            PickerEntries picker(combo, 10, [] {});
            for (int i = 0; i < 10; ++i) picker.Add(("more" + std::to_string(i)).c_str());
            picker.InsertAdded();
        }
        const double tenTags = BenchSeconds() - start;
        // The floor: ten more texts put straight into the box.
        start = BenchSeconds();
        for (int i = 0; i < 10; ++i) {
            const std::string text = "most" + std::to_string(i);
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        const double tenAdds = BenchSeconds() - start;
        const LRESULT grown = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        allCollected = allCollected && grown == entries + 30;
        std::printf(
            "%4s %8ld entries: ten new tags, collection over ten rows %.2f ms, picker's part %.2f ms, "
            "ten bare CB_ADDSTRING %.2f ms\n",
            BenchArch(), static_cast<long>(entries), tenRows * 1e3, tenTags * 1e3, tenAdds * 1e3);
        std::fflush(stdout);
        // Closed without saving: the picker's save is close_bench's subject.
        DestroyWindow(dialog);
        BenchPaintNow(dialog);
        BenchRemoveProgramFolder(folder);
    }
    return allCollected ? 0 : 1;
}
