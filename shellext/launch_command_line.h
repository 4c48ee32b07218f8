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
    int refused;    // selected paths the rule of names and paths refuses (a '"' among them would split the line)
};

// Starts the line with the quoted program path; false (and an empty line) when even that does not fit.
bool StartLaunchCommandLine(LaunchCommandLine* line, const wchar_t* programPath);

// Adds one blank and the quoted path when they fit; otherwise counts the path as left out and returns false.
bool AppendLaunchPath(LaunchCommandLine* line, const wchar_t* path);

// The message that tells the user which share of the selection Tagrin was not given, and why; empty when
// it was given all of it. In UTF-16, as the box shows it whatever the code page of the process that loaded
// the extension.
void FormatLaunchLeftOutMessage(const LaunchCommandLine& line, wchar_t* message, std::size_t messageSize);
