#pragma once
#include <cstdint>

#include "filelist/core/file_list_ops.h"
#include "filelist/core/row_result.h"

// Columns of a FileRow.
constexpr int kColumnExclusion = 0;
constexpr int kColumnName = 1;
constexpr int kColumnLocation = 2;
constexpr int kColumnResult = 3;

// The texts the 結果 column shows for a RowResult (Shift-JIS bytes).
extern const char kResultDone[];    // "完"
extern const char kResultFailed[];  // "失敗"

// True when a row's location equals path, ASCII letters folded.
bool IsPathListed(FileListOps& list, const char* path);
// Appends a processed row for the file at location, with its NameKey.
void AppendFileRow(FileListOps& list, const char* location);
// AppendFileRow unless IsPathListed; true when the row was appended.
bool AppendFileRowIfNew(FileListOps& list, const char* location);
// After a successful rename: key, name, location and kRenamed, in that order; place and check stay.
void UpdateRenamedRow(FileListOps& list, int row, const char* newLocation);
// The row's result: the value kept with the row and the 結果 text shown from it, written together.
void SetRowResult(FileListOps& list, int row, RowResult result);
RowResult GetRowResult(const FileListOps& list, int row);
bool IsRowProcessed(const FileListOps& list, int row);
// Removes every row (and the index entries with them).
void RemoveAllRows(FileListOps& list);
// Reorders the rows by the texts of column, in plain unsigned byte order, reversed when descending.
void SortRowsByColumn(FileListOps& list, int column, bool descending);
