#include "shellext/launch_command_line.h"

#include <cwchar>

namespace {

// Appends `prefix` and the quoted text when the result still leaves room for the NUL.
bool AppendQuoted(LaunchCommandLine* line, const wchar_t* prefix, const wchar_t* text)
{
    const std::size_t prefixLength = std::wcslen(prefix);
    const std::size_t textLength = std::wcslen(text);
    const std::size_t needed = prefixLength + textLength + 2;
    if (needed >= kCommandLineLimit - line->length) return false;
    wchar_t* end = line->text + line->length;
    std::wmemcpy(end, prefix, prefixLength);
    end += prefixLength;
    *end++ = L'"';
    std::wmemcpy(end, text, textLength);
    end += textLength;
    *end++ = L'"';
    *end = L'\0';
    line->length += needed;
    return true;
}

}  // namespace

bool StartLaunchCommandLine(LaunchCommandLine* line, const wchar_t* programPath)
{
    line->text[0] = L'\0';
    line->length = 0;
    line->pathCount = 0;
    line->leftOut = 0;
    return AppendQuoted(line, L"", programPath);
}

bool AppendLaunchPath(LaunchCommandLine* line, const wchar_t* path)
{
    if (line->length == 0 || !AppendQuoted(line, L" ", path)) {
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
