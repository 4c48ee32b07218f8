#pragma once

#include "filelist/core/file_list_ops.h"
#include "store/settings.h"

// The per-row work of the Add and Delete commands over any FileListOps, so it runs with or
// without a window. tag is already trimmed and not empty. Every processed row is tried in index
// order: renamed (never replacing a file) and brought up to date, or marked "失敗". With the first
// file renamed the tag is appended to ".\タグ.txt". Each returns the number of files renamed.
// Results are not cleared here: the caller does that (ClearResults, below). The brackets are those
// the command read once for all its rows.
int AddTagToRows(FileListOps& list, const char* tag, const TagBrackets& brackets);
int DeleteTagFromRows(FileListOps& list, const char* tag, const TagBrackets& brackets);
// Empties the result column of the first count rows.
void ClearResults(FileListOps& list, int count);
