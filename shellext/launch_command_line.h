#pragma once
#include <cstddef>

// The command line that starts Tagrin: the program's path and each selected path in double quotes, separated by
// one blank, in UTF-16 so that every name reaches the program exactly as the shell gave it. The platform takes at
// most 32767 characters including the closing NUL.
constexpr std::size_t kCommandLineLimit = 32767;

struct LaunchCommandLine {
    wchar_t text[kCommandLineLimit];
    std::size_t length;
    int pathCount;  // selected paths on the line
    int leftOut;    // selected paths that did not fit
};

// Starts the line with the quoted program path; false (and an empty line) when even that does not fit.
bool StartLaunchCommandLine(LaunchCommandLine* line, const wchar_t* programPath);

// Adds one blank and the quoted path when they fit; otherwise counts the path as left out and returns false.
bool AppendLaunchPath(LaunchCommandLine* line, const wchar_t* path);

// Counts a path that could not be read at all as left out.
void CountLaunchPathLeftOut(LaunchCommandLine* line);
