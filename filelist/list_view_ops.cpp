#include "filelist/list_view_ops.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "res/control_ids.h"
#include "filelist/core/file_list_model.h"
#include "filelist/core/location_index.h"
#include "text/text_buffer.h"

namespace {

// The list's LocationIndex is kept in the list view's user data. The duplicate test looks it up for
// every file of a scan; a window property costs a wineserver round trip per lookup under Wine (~45 us,
// more than the rest of an append), the user data is read in-process.
LocationIndex* StoredIndex(HWND list)
{
    return reinterpret_cast<LocationIndex*>(GetWindowLongPtrA(list, GWLP_USERDATA));
}

// An index made after rows were added by other means starts with those rows.
void AddExistingRows(const ListViewOps& list, LocationIndex& index)
{
    char location[kTextBufferSize];
    for (int row = 0; row < list.RowCount(); ++row) {
        list.GetText(row, kColumnLocation, location, sizeof location);
        index.Add(list.GetKey(row), location);
    }
}

// LVM_SORTITEMS hands the comparer the item data of two rows; during a reorder that is each row's
// old index, and places maps an old index to its new row.
int CALLBACK CompareByNewPlace(LPARAM a, LPARAM b, LPARAM places)
{
    const int* place = reinterpret_cast<const int*>(places);
    return place[a] - place[b];
}

}  // namespace

ListViewOps ListViewOps::OfDialog(HWND dialog)
{
    return ListViewOps(GetDlgItem(dialog, IDC_FILE_LIST));
}

int ListViewOps::RowCount() const
{
    return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
}

namespace {

// A row's item data alone: its NameKey.
LVITEMA KeyItem(int row, std::uint32_t key)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(key);
    return item;
}

}  // namespace

int ListViewOps::InsertRow(int index, std::uint32_t key)
{
    LVITEMA item = KeyItem(index, key);
    return static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListViewOps::SetText(int row, int column, const char* text)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text != nullptr ? text : "");
    SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListViewOps::GetText(int row, int column, char* buffer, std::size_t size) const
{
    if (buffer == nullptr || size == 0) {
        return;
    }
    // Under Wine a text that does not fit is written without its NUL: the control gets one zeroed
    // byte more than it is told, and the text is cut here, the same way on every platform.
    char local[kTextBufferSize + 1];
    std::vector<char> large;
    char* read = local;
    if (size > kTextBufferSize) {
        large.resize(size + 1);
        read = large.data();
    }
    std::memset(read, 0, size + 1);
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = read;
    item.cchTextMax = static_cast<int>(size);
    SendMessageA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    std::size_t length = strnlen(read, size - 1);
    std::memcpy(buffer, read, length);
    buffer[length] = '\0';
}

void ListViewOps::SetKey(int row, std::uint32_t key)
{
    LVITEMA item = KeyItem(row, key);
    SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::uint32_t ListViewOps::GetKey(int row) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) {
        return 0;
    }
    return static_cast<std::uint32_t>(item.lParam);
}

int ListViewOps::FindKey(int start, std::uint32_t key) const
{
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(key);
    return static_cast<int>(
        SendMessageA(list_, LVM_FINDITEMA, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(&find)));
}

int ListViewOps::GetStateImage(int row) const
{
    LRESULT state = SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
}

void ListViewOps::SetStateImage(int row, int index)
{
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(index & 0xF);
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListViewOps::SetStateImageOfAll(int index)
{
    SetStateImage(-1, index);
}

// Kept in the item's overlay bits, which the control keeps and moves with the row; the list draws no overlay, as
// its image list holds no image.
int ListViewOps::GetResultCode(int row) const
{
    LRESULT state = SendMessageA(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_OVERLAYMASK);
    return static_cast<int>((state & LVIS_OVERLAYMASK) >> 8);
}

void ListViewOps::SetResultCode(int row, int code)
{
    LVITEMA item = {};
    item.stateMask = LVIS_OVERLAYMASK;
    item.state = INDEXTOOVERLAYMASK(code & 0xF);
    SendMessageA(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListViewOps::DeleteAll()
{
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
}

// The control moves whole rows (texts, state, selection) itself, in N log N. The item data holds the
// NameKey, so it carries the old index during the sort and gets its key back afterwards.
// LVM_SORTITEMSEX would pass row indexes instead, but Wine looks each one up linearly.
void ListViewOps::ReorderRows(const std::vector<int>& order)
{
    const int count = RowCount();
    if (!IsRowOrder(order, count)) {
        return;
    }
    std::vector<std::uint32_t> keys(order.size());
    std::vector<int> places(order.size());
    for (int row = 0; row < count; ++row) {
        keys[static_cast<std::size_t>(row)] = GetKey(row);
        places[static_cast<std::size_t>(order[static_cast<std::size_t>(row)])] = row;
        SetKey(row, static_cast<std::uint32_t>(row));
    }
    SendMessageA(list_, LVM_SORTITEMS, reinterpret_cast<WPARAM>(places.data()),
                 reinterpret_cast<LPARAM>(CompareByNewPlace));
    for (int row = 0; row < count; ++row) {
        SetKey(row, keys[static_cast<std::size_t>(order[static_cast<std::size_t>(row)])]);
    }
}

LocationIndex& ListViewOps::Locations()
{
    LocationIndex* index = StoredIndex(list_);
    if (index != nullptr) {
        return *index;
    }
    // Without a window there are no rows, and nothing could own an index.
    static LocationIndex detached;
    if (!IsWindow(list_)) {
        detached.Clear();
        return detached;
    }
    index = new LocationIndex;
    AddExistingRows(*this, *index);
    // SetWindowLongPtr returns the former value, 0 also on success: the last error tells them apart.
    SetLastError(0);
    if (SetWindowLongPtrA(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(index)) == 0 && GetLastError() != 0) {
        delete index;
        detached.Clear();
        return detached;
    }
    return *index;
}

void ReleaseLocationIndex(HWND list)
{
    LocationIndex* index = StoredIndex(list);
    if (index == nullptr) {
        return;
    }
    SetWindowLongPtrA(list, GWLP_USERDATA, 0);
    delete index;
}
