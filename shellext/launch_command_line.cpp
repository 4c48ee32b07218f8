#include "shellext/launch_command_line.h"

#include <cstring>

namespace {

// Appends `prefix` and the quoted text when the result still leaves room for the NUL.
bool AppendQuoted(LaunchCommandLine* line, const char* prefix, const char* text)
{
    const std::size_t prefixLength = std::strlen(prefix);
    const std::size_t textLength = std::strlen(text);
    const std::size_t needed = prefixLength + textLength + 2;
    if (needed >= kCommandLineLimit - line->length) return false;
    char* end = line->text + line->length;
    std::memcpy(end, prefix, prefixLength);
    end += prefixLength;
    *end++ = '"';
    std::memcpy(end, text, textLength);
    end += textLength;
    *end++ = '"';
    *end = '\0';
    line->length += needed;
    return true;
}

}  // namespace

bool StartLaunchCommandLine(LaunchCommandLine* line, const char* programPath)
{
    line->text[0] = '\0';
    line->length = 0;
    line->pathCount = 0;
    line->leftOut = 0;
    return AppendQuoted(line, "", programPath);
}

bool AppendLaunchPath(LaunchCommandLine* line, const char* path)
{
    if (line->length == 0 || !AppendQuoted(line, " ", path)) {
        ++line->leftOut;
        return false;
    }
    ++line->pathCount;
    return true;
}

void CountLaunchPathLeftOut(LaunchCommandLine* line)
{
    ++line->leftOut;
}
