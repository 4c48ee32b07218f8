#pragma once
#include <windows.h>

#include "names/core/name_rule.h"
#include "names/exact_spelling.h"

// Why an intake did not list a path the user gave or a scan met.
enum class LeftOutReason {
    kUnspellable,        // a character the code page cannot spell exactly
    kEndsInDotOrBlank,   // an element ending in '.' or ' ', which the platform would drop
    kForbiddenCharacter, // a character no name can hold (a ':' after the drive names a stream)
    kNameTooLong,        // a name longer than a file system keeps
    kPathTooLong,        // a path longer than the file calls take
    kUnreachable,        // not a whole path as a drop gives one, or could not be made one
    kMissing,            // names nothing that is there
};

// The reason a path or name with that fault is left out.
LeftOutReason ReasonOfFault(NameFault fault);

// The paths an intake left out: how many, and the first ten in full (UTF-16) with their reasons, for the one
// message the user gets after the intake.
constexpr int kLeftOutShown = 10;
struct LeftOutPaths {
    int count;
    wchar_t paths[kLeftOutShown][kWideTextSize];
    LeftOutReason reasons[kLeftOutShown];
};

// Counts a path as left out and keeps it while fewer than ten are kept; a path too long to keep is cut with
// an ellipsis. folder, when not null, goes in front of path with a separator.
void NoteLeftOut(LeftOutPaths* leftOut, const wchar_t* folder, const wchar_t* path, LeftOutReason reason);

// The message that tells the user what was left out and why (empty when nothing was).
void FormatLeftOutMessage(const LeftOutPaths& leftOut, wchar_t* out, std::size_t outSize);

// One warning box owned by dialog when anything was left out.
void TellLeftOutPaths(HWND dialog, const LeftOutPaths& leftOut);
