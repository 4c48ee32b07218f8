#include "filelist/core/location_index.h"

#include <cstring>

#include "filelist/core/name_key.h"
#include "text/text_buffer.h"

namespace {

// The longest location a row gives back: the rest is cut off when it is read into a text buffer.
constexpr std::size_t kLongestReadBack = kTextBufferSize - 1;

// The key in front of the folded text, so that equal entries mean equal key and equal location. Built in
// one string: the index is asked once for every file a scan finds.
std::string EntryOf(std::uint32_t key, const char* location, std::size_t length)
{
    std::string entry(reinterpret_cast<const char*>(&key), sizeof key);
    entry.reserve(sizeof key + length);
    if (location[length] == '\0') {
        AppendFoldedLocation(location, entry);
    } else {
        AppendFoldedLocation(std::string(location, length).c_str(), entry);
    }
    return entry;
}

std::size_t ReadBackLength(const char* location)
{
    std::size_t length = std::strlen(location);
    return length < kLongestReadBack ? length : kLongestReadBack;
}

}  // namespace

void LocationIndex::Add(std::uint32_t key, const char* location)
{
    if (location == nullptr) {
        return;
    }
    ++counts_[EntryOf(key, location, ReadBackLength(location))];
}

void LocationIndex::Remove(std::uint32_t key, const char* location)
{
    if (location == nullptr) {
        return;
    }
    auto found = counts_.find(EntryOf(key, location, ReadBackLength(location)));
    if (found == counts_.end()) {
        return;
    }
    if (--found->second == 0) {
        counts_.erase(found);
    }
}

bool LocationIndex::Contains(std::uint32_t key, const char* path) const
{
    if (path == nullptr) {
        return false;
    }
    // A path longer than any read-back location equals none of them.
    std::size_t length = std::strlen(path);
    if (length > kLongestReadBack) {
        return false;
    }
    return counts_.count(EntryOf(key, path, length)) != 0;
}

void LocationIndex::Clear()
{
    counts_.clear();
}
