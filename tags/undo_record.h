#pragma once

#include "filelist/core/file_list_ops.h"

// The renames of the last Add or Delete that renamed anything, kept in memory only, so that 元に戻す can put
// them back. Every file is recorded with the identity of the file itself, so that a file put in its place later
// is never taken for it.

// A batch begins: its first rename replaces the record.
void BeginUndoBatch();
// After from was renamed to to.
void RecordRename(const char* from, const char* to);
// Forgets the record: the list it was made over is gone.
void ClearUndoRecord();
bool CanUndo();
// Puts back every recorded rename, the last first: a file goes back only when the file the batch renamed still
// stands at its new name and its old name is free, and never replaces anything. The row at the new location
// (found by location, so rows added or sorted since are no matter) takes the old name and "完", or "失敗" when
// its file stays. The record is then gone. Returns the number of files put back.
int UndoLastBatch(FileListOps& list);
