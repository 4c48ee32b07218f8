#pragma once

#include "filelist/core/file_list_ops.h"
#include "tags/identified_move.h"

// The renames of the last Add or Delete that renamed anything, kept in memory only, so that 元に戻す can put
// them back. Every file is recorded with its identity, so that a file swapped in or put in its place later is
// never taken for it.

// A batch begins: its first rename replaces the record.
void BeginUndoBatch();
// After the file identified as file was renamed from from to to.
void RecordRename(const char* from, const char* to, const FileIdentity& file);
// Forgets the record: the list it was made over is gone.
void ClearUndoRecord();
// Whether any rename of the record is still to be put back.
bool CanUndo();
// Puts back every recorded rename still to be put back, the last first: a file goes back only when the file the
// batch renamed still stands at its new name and its old name is free, and never replaces anything. The row at
// the new location (found by location, so rows added or sorted since are no matter) takes the old name and
// "完", or "失敗" when its file stays; a rename that stayed is kept, for the next 元に戻す to try again, and
// the rows an earlier 元に戻す of the record put back show "完" again. Returns the number of files put back.
int UndoLastBatch(FileListOps& list);
