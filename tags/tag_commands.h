#pragma once
#include <windows.h>

#include "filelist/file_list_ops.h"

int OnAddButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnDeleteButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// Each returns the number of files renamed.
int AddTagCommand(HWND dialog);
int DeleteTagCommand(HWND dialog);
void ClearResults(FileListOps& list, int count);
