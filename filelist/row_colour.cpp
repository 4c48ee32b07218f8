#include "filelist/row_colour.h"

#include <cstring>

#include "filelist/core/file_list_model.h"
#include "text/dbcs_text.h"

COLORREF RowColour(int stateImage, const char* result)
{
    if (stateImage != kStateProcessed) {
        return kExcludedRowColour;
    }
    if (result == nullptr || result[0] == '\0') {
        return kUntouchedRowColour;
    }
    if (SameTextIgnoringAsciiCase(result, std::strlen(result), kResultFailed, std::strlen(kResultFailed))) {
        return kFailedRowColour;
    }
    return kRenamedRowColour;
}
