#pragma once
#include <windows.h>

#include "filelist/core/row_result.h"

// The tip over the file list that tells, when the pointer rests on any cell of a row that failed, what happened
// and what to do, in the words of the guide. Other rows show none. The list view's own tip answers only over a
// row's first column, the narrow check box here, so the tip is the program's own, over the whole list.

// Makes the tip for the dialog's list; it goes with the dialog.
void CreateFailureTip(HWND dialog);
// TTN_GETDISPINFOW from the tip: the text for the row under the pointer. False for any other notification.
bool AnswerFailureTip(HWND dialog, NMHDR* header);
// The sentence the tip shows for a result; empty for a row that did not fail.
const wchar_t* FailureText(RowResult result);
