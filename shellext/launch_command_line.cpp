#include "shellext/launch_command_line.h"

#include <cwchar>

#include "names/core/name_rule.h"

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
    line->refused = 0;
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

void FormatLaunchLeftOutMessage(const LaunchCommandLine& line, wchar_t* message, std::size_t messageSize)
{
    message[0] = L'\0';
    const int selected = line.pathCount + line.leftOut + line.refused;
    int length = 0;
    if (line.refused > 0) {
        length = std::swprintf(
            message, messageSize,
            L"選択された %d 個のうち %d 個は、名前に使えない文字 (\\ / : * ? \" < > | や制御文字) を含むか、"
            L"名前の末尾がピリオドか空白か、名前が %u 文字かパスが %u 文字より長いため Tagrin に渡していません。",
            selected, line.refused, static_cast<unsigned>(kNameCharacterLimit),
            static_cast<unsigned>(kPathCharacterLimit));
    }
    if (line.leftOut > 0 && length >= 0 && static_cast<std::size_t>(length) < messageSize) {
        std::swprintf(message + length, messageSize - length,
                      L"%ls選択された %d 個のうち %d 個は、一度に渡せる長さを超えたため Tagrin に渡していません。",
                      length > 0 ? L"\r\n" : L"", selected, line.leftOut);
    }
    message[messageSize - 1] = L'\0';  // a text cut short may be left without its NUL
}
