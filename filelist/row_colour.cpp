#include "filelist/row_colour.h"

#include "filelist/core/file_list_ops.h"

COLORREF RowColour(int stateImage, RowResult result)
{
    if (stateImage != kStateProcessed) return kExcludedRowColour;
    if (result == RowResult::kUntouched) return kUntouchedRowColour;
    return IsFailure(result) ? kFailedRowColour : kRenamedRowColour;
}
