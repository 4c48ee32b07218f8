#pragma once

// The cheap key of a file name and the folded form of a location used by the duplicate test.
// Both fold only single-byte ASCII letters and take double-byte characters as they are,
// so locations with equal folded forms always have file names with equal keys.

#include <cstdint>
#include <string>

// Sum of the bytes of name, a-z counted as A-Z, modulo 2^32. 0 for an empty or absent name.
std::uint32_t NameKey(const char* name);

// The canonical form of a location: two locations are the same, ignoring the case of single-byte
// ASCII letters, exactly when their folded forms are equal. Keys an index of listed locations.
// An absent location folds to the empty string.
void FoldLocation(const char* location, std::string& folded);
// The folded form of location appended to folded, which keeps what it held.
void AppendFoldedLocation(const char* location, std::string& folded);
