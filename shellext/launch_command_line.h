#pragma once
#include <cstddef>

// The command line that starts Tagrin: the program's path and each selected path in double quotes, separated by
// one blank. The platform takes at most 32767 characters including the closing NUL; a Shift-JIS byte never makes
// more than one UTF-16 unit, so counting bytes keeps the line within that limit.
constexpr std::size_t kCommandLineLimit = 32767;

struct LaunchCommandLine {
    char text[kCommandLineLimit];
    std::size_t length;
    int pathCount;  // selected paths on the line
    int leftOut;    // selected paths that did not fit
};

// Starts the line with the quoted program path; false (and an empty line) when even that does not fit.
bool StartLaunchCommandLine(LaunchCommandLine* line, const char* programPath);

// Adds one blank and the quoted path when they fit; otherwise counts the path as left out and returns false.
bool AppendLaunchPath(LaunchCommandLine* line, const char* path);

// Counts a path that could not be read at all as left out.
void CountLaunchPathLeftOut(LaunchCommandLine* line);
