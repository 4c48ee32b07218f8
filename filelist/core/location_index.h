#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

// The listed locations of a file list, folded, so that the duplicate test costs the same at any row count.
// An entry is a row's key and its location as the list reads it back (cut at 1023 bytes), folded as
// FoldLocation folds: Contains(key, path) is true exactly when some row has that key and a location
// that compares equal to path. The list stays the store of the rows; this is derived and kept in step
// by the model's row writers. Several rows may share an entry, so entries are counted.
class LocationIndex {
public:
    void Add(std::uint32_t key, const char* location);
    // Forgets one row with this key and location; nothing when there is none.
    void Remove(std::uint32_t key, const char* location);
    bool Contains(std::uint32_t key, const char* path) const;
    void Clear();

private:
    std::unordered_map<std::string, std::size_t> counts_;
};
