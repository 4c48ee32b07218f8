#pragma once
#include <windows.h>

#include "filelist/core/row_result.h"

// The colours of a file row, chosen at every paint from its state.
constexpr COLORREF kRowTextColour = RGB(0, 0, 0);
constexpr COLORREF kExcludedRowColour = RGB(255, 255, 100);
constexpr COLORREF kUntouchedRowColour = RGB(255, 255, 255);
constexpr COLORREF kFailedRowColour = RGB(255, 0, 0);
constexpr COLORREF kRenamedRowColour = RGB(221, 255, 231);

// Background of a row: excluded rows first, then by its result.
COLORREF RowColour(int stateImage, RowResult result);
