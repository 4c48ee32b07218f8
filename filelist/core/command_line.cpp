#include "filelist/core/command_line.h"

#include <cwchar>

namespace {

// The blanks between paths: the units 0x01-0x20 (wchar_t is signed on some hosts).
bool IsBlankUnit(wchar_t unit)
{
    return unit >= 1 && unit <= 0x20;
}

}  // namespace

const wchar_t* NextPathToken(const wchar_t* text, wchar_t* token, std::size_t tokenSize, bool* fits)
{
    if (text == nullptr || token == nullptr || tokenSize == 0) {
        return nullptr;
    }
    const wchar_t* p = text;
    while (*p != L'\0' && IsBlankUnit(*p)) {
        ++p;
    }
    if (*p == L'\0') {
        return nullptr;
    }
    const wchar_t* start = p;
    const wchar_t* end = nullptr;
    const wchar_t* resume = nullptr;
    if (*p == L'"') {
        ++start;
        end = std::wcschr(start, L'"');
        if (end == nullptr) {
            end = start + std::wcslen(start);
            resume = end;
        } else {
            resume = end + 1;
        }
    } else {
        end = std::wcschr(start, L' ');
        if (end == nullptr) {
            end = start + std::wcslen(start);
        }
        resume = end;
    }
    std::size_t length = static_cast<std::size_t>(end - start);
    bool tokenFits = length < tokenSize;
    if (tokenFits) {
        std::wmemcpy(token, start, length);
        token[length] = L'\0';
    } else {
        token[0] = L'\0';
    }
    if (fits != nullptr) {
        *fits = tokenFits;
    }
    return resume;
}

// The program path is not a path token: an unquoted one ends at any blank, not just at a space.
const wchar_t* CommandLineTail(const wchar_t* commandLine)
{
    if (commandLine == nullptr) {
        return L"";
    }
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"') {
            ++p;
        }
        if (*p == L'"') {
            ++p;
        }
    } else {
        while (*p != L'\0' && !IsBlankUnit(*p)) {
            ++p;
        }
    }
    while (*p != L'\0' && IsBlankUnit(*p)) {
        ++p;
    }
    return p;
}
