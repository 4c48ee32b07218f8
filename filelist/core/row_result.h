#pragma once

// What the last command did with a row: nothing (yet), renamed, or not renamed for one cause. The value is the
// row's own: it is kept with the row, travels with it through a sort, and the list shows its text ("完",
// "失敗" or nothing) and its colour from it.
enum class RowResult {
    kUntouched = 0,       // nothing to do, or no command since the results were cleared
    kRenamed,             // "完"
    kFailedNameTaken,     // a file stands at the new name
    kFailedFolderAtName,  // a folder stands at the new name
    kFailedInUse,         // another program holds the file
    kFailedGone,          // no file stands at the row's location any more
    kFailedFolder,        // a folder stands at the row's location
    kFailedAccessDenied,  // no permission to rename there, or a read-only medium
    kFailedPathTooLong,   // the new path would be longer than the file calls take
    kFailedNameTooLong,   // the new name would be longer than a file system keeps
    kFailedNameRefused,   // the new name would be empty, blanks only, end in '.' or a blank, or become hidden
    kFailedChanged,       // 元に戻す: the file at the new name is not the one renamed, or changed since
    kFailedOther,         // any other refusal of the platform
};
// Each fits the four bits a list view item keeps for it.
constexpr int kRowResultCount = 13;

inline bool IsFailure(RowResult result)
{
    return result != RowResult::kUntouched && result != RowResult::kRenamed;
}
