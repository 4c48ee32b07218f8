#pragma once
// Oracles for the duplicate test, kept beside the tests: the plain comparison of two locations the
// index must agree with, and a check that the index counts each listed row exactly once.
#include <cstring>

#include "filelist/core/file_list_model.h"
#include "filelist/core/file_list_ops.h"
#include "filelist/core/location_index.h"
#include "text/dbcs_text.h"
#include "text/text_buffer.h"

// Whether two locations are the same, ignoring the case of single-byte ASCII letters.
// Absent locations are never equal.
inline bool LocationsEqual(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) {
        return false;
    }
    return SameTextIgnoringAsciiCase(a, std::strlen(a), b, std::strlen(b));
}

// Whether the index finds every row's location, and finds none of them once each row's entry has been
// taken out once: an entry counted twice or lost shows here. Takes the index apart, so call it last.
inline bool IndexCountsEachRowOnce(FileListOps& list)
{
    LocationIndex& index = list.Locations();
    char location[kTextBufferSize];
    for (int row = 0; row < list.RowCount(); ++row) {
        list.GetText(row, kColumnLocation, location, sizeof location);
        if (!index.Contains(list.GetKey(row), location)) {
            return false;
        }
    }
    for (int row = 0; row < list.RowCount(); ++row) {
        list.GetText(row, kColumnLocation, location, sizeof location);
        index.Remove(list.GetKey(row), location);
    }
    for (int row = 0; row < list.RowCount(); ++row) {
        list.GetText(row, kColumnLocation, location, sizeof location);
        if (index.Contains(list.GetKey(row), location)) {
            return false;
        }
    }
    return true;
}
