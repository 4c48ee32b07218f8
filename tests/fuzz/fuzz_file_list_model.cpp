// The model over an in-memory list against a plain reference: appends, renames, sorts and clears in any
// order; the duplicate test always agrees with a scan of every row, and keys always match names.
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/core/name_key.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/location_oracle.h"

namespace {

std::string Text(const MemoryFileList& list, int row, int column)
{
    char text[kTextBufferSize] = {};
    list.GetText(row, column, text, sizeof text);
    return text;
}

bool ListedByScan(const MemoryFileList& list, const char* path)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        if (LocationsEqual(Text(list, row, kColumnLocation).c_str(), path)) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Parts: each begins with an operation byte, the rest is a path.
    std::vector<std::string> parts = SplitInput(data, size, 24);
    MemoryFileList list;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        const unsigned char operation = static_cast<unsigned char>(part[0]);
        std::vector<char> path = ExactCopy(part.substr(1));
        Require(IsPathListed(list, path.data()) == ListedByScan(list, path.data()));
        switch (operation % 4) {
        case 0:
            if (!IsPathListed(list, path.data())) AppendFileRow(list, path.data());
            break;
        case 1: {
            const bool listed = ListedByScan(list, path.data());
            Require(AppendFileRowIfNew(list, path.data()) == !listed);
            break;
        }
        case 2:
            if (list.RowCount() > 0) UpdateRenamedRow(list, operation % list.RowCount(), path.data());
            break;
        default:
            if (operation & 0x80) {
                RemoveAllRows(list);
            } else {
                SortRowsByColumn(list, operation % 4, (operation & 0x40) != 0);
            }
            break;
        }
        Require(IsPathListed(list, path.data()) == ListedByScan(list, path.data()));
        for (int row = 0; row < list.RowCount(); ++row) {
            const std::string location = Text(list, row, kColumnLocation);
            Require(Text(list, row, kColumnName) == FindFileNamePart(location.c_str()));
            Require(list.GetKey(row) == NameKey(FindFileNamePart(location.c_str())));
        }
    }
    return 0;
}
