#include "store/sorted_box_order.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "tags/core/text_buffer.h"

namespace {

// The box's own comparison: the user's locale, letter case ignored.
int BoxCompare(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) - CSTR_EQUAL;
}

// The index the box's binary search gives a new entry in a list of count entries, of which less
// compare below it and equal compare equal to it. The search inserts before the first equal entry it
// probes, so where a new entry lands among its equals depends only on these three numbers.
std::size_t ProbedPlace(std::size_t count, std::size_t less, std::size_t equal)
{
    // Signed bounds: the search closes its range to [low, high] and may step high below 0.
    long long low = 0;
    long long high = static_cast<long long>(count) - 1;
    while (low <= high) {
        const long long probe = (low + high) / 2;
        if (probe < static_cast<long long>(less)) {
            low = probe + 1;
        } else if (probe >= static_cast<long long>(less + equal)) {
            high = probe - 1;
        } else {
            return static_cast<std::size_t>(probe);
        }
    }
    return static_cast<std::size_t>(low);
}

// Counts of entries per group of equal entries, with sums over the groups below a given one.
class GroupCounts {
public:
    explicit GroupCounts(std::size_t groups) : tree_(groups + 1, 0) {}
    void Add(std::size_t group)
    {
        for (std::size_t i = group + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    }
    std::size_t Below(std::size_t group) const
    {
        std::size_t sum = 0;
        for (std::size_t i = group; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }

private:
    std::vector<std::size_t> tree_;
};

// Sorts entries by their sort keys (letter case ignored, as the box compares). False when a key
// cannot be made.
template <typename Text>
bool SortBySortKeys(std::vector<std::size_t>& entries, Text text)
{
    std::vector<std::string> keys(entries.size());
    std::vector<char> key(8192);
    for (std::size_t entry : entries) {
        const std::wstring& wide = text(entry);
        int length = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, wide.c_str(), -1,
                                  reinterpret_cast<wchar_t*>(key.data()), static_cast<int>(key.size()));
        if (length == 0) return false;
        keys[entry].assign(key.data(), static_cast<std::size_t>(length));
    }
    std::sort(entries.begin(), entries.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return true;
}

// Numbers the groups of equal neighbours of sorted entries. False when two neighbours are out of the
// box's order.
template <typename Text>
bool GroupSorted(const std::vector<std::size_t>& sorted, Text text, std::vector<std::size_t>& groupOf,
                 std::size_t* groups)
{
    *groups = 0;
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const int order = k == 0 ? 1 : BoxCompare(text(sorted[k - 1]), text(sorted[k]));
        if (order > 0 && k > 0) return false;
        if (order != 0) ++*groups;
        groupOf[sorted[k]] = *groups - 1;
    }
    return true;
}

}  // namespace

void InsertAtPlaces(HWND combo, const std::vector<std::wstring>& texts, const std::vector<std::size_t>& places)
{
    if (texts.empty()) return;
    std::vector<std::size_t> byPlace(texts.size());
    std::iota(byPlace.begin(), byPlace.end(), 0);
    std::sort(byPlace.begin(), byPlace.end(), [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    std::size_t characters = 0;
    for (const std::wstring& text : texts) characters += text.size() + 1;
    SendMessageW(combo, CB_INITSTORAGE, texts.size(), characters * sizeof(wchar_t));
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    // The box keeps UTF-16: the texts converted once already go in as they are.
    for (std::size_t i : byPlace) {
        SendMessageW(combo, CB_INSERTSTRING, places[i], reinterpret_cast<LPARAM>(texts[i].c_str()));
    }
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

std::wstring BoxText(const char* text)
{
    // One conversion for the texts that fit a text buffer, which are all the box is given; a longer one
    // is measured first.
    wchar_t buffer[kTextBufferSize];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, buffer, kTextBufferSize);
    if (length > 0) return std::wstring(buffer, static_cast<std::size_t>(length - 1));
    length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

std::vector<std::size_t> SortedBoxPlaces(const std::vector<std::wstring>& held, const std::vector<std::wstring>& added)
{
    // Entry i is held[i] below held.size(), added[i - held.size()] from there on.
    const std::size_t heldCount = held.size();
    const std::size_t total = heldCount + added.size();
    auto text = [&](std::size_t i) -> const std::wstring& { return i < heldCount ? held[i] : added[i - heldCount]; };

    // Groups of entries that the box finds equal, in its order. Sorting by the locale's sort keys is
    // much cheaper than by the box's comparison; the comparison of each neighbour pair confirms the order.
    std::vector<std::size_t> sorted(total);
    std::iota(sorted.begin(), sorted.end(), 0);
    std::vector<std::size_t> groupOf(total);
    std::size_t groups = 0;
    if (!SortBySortKeys(sorted, text) || !GroupSorted(sorted, text, groupOf, &groups)) {
        std::iota(sorted.begin(), sorted.end(), 0);
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](std::size_t a, std::size_t b) { return BoxCompare(text(a), text(b)) < 0; });
        GroupSorted(sorted, text, groupOf, &groups);
    }
    // Every group in its order; held entries stand as the box holds them.
    std::vector<std::vector<std::size_t>> members(groups);

    GroupCounts counts(members.size());
    for (std::size_t i = 0; i < heldCount; ++i) {
        members[groupOf[i]].push_back(i);
        counts.Add(groupOf[i]);
    }
    // Each added entry lands where the box's search would put it among the entries present by then.
    for (std::size_t i = heldCount; i < total; ++i) {
        std::vector<std::size_t>& group = members[groupOf[i]];
        const std::size_t less = counts.Below(groupOf[i]);
        const std::size_t place = ProbedPlace(i, less, group.size());
        group.insert(group.begin() + static_cast<std::ptrdiff_t>(place - less), i);
        counts.Add(groupOf[i]);
    }

    std::vector<std::size_t> places(added.size());
    std::size_t index = 0;
    for (const std::vector<std::size_t>& group : members) {
        for (std::size_t entry : group) {
            if (entry >= heldCount) places[entry - heldCount] = index;
            ++index;
        }
    }
    return places;
}
