#include "filelist/exact_name.h"

#include <windows.h>

#include <cwchar>

// WC_NO_BEST_FIT_CHARS with the used-default flag is the platform's own round-trip test; the bytes are
// converted back as well, so a conversion that ignored the flag could not slip another name through.
bool ToExactCodePage(const wchar_t* wide, char* out, std::size_t outSize)
{
    if (outSize == 0) return false;
    out[0] = '\0';
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, out, static_cast<int>(outSize), "?", &usedDefault);
    if (length == 0) {
        out[0] = '\0';
        return false;
    }
    if (usedDefault) return false;
    wchar_t back[kWideTextSize + 1] = {};
    const int backLength = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, out, -1, back, kWideTextSize + 1);
    return backLength != 0 && std::wcscmp(back, wide) == 0;
}

bool HasElementEndingInDotOrBlank(const wchar_t* path)
{
    const wchar_t* element = path;
    for (const wchar_t* p = path;; ++p) {
        if (*p != L'\0' && *p != L'\\' && *p != L'/') continue;
        const std::size_t length = static_cast<std::size_t>(p - element);
        const bool dots = (length == 1 && element[0] == L'.') || (length == 2 && element[0] == L'.' && element[1] == L'.');
        if (length > 0 && !dots && (p[-1] == L'.' || p[-1] == L' ')) return true;
        if (*p == L'\0') return false;
        element = p + 1;
    }
}

bool HasForbiddenNameCharacter(const wchar_t* name)
{
    // A loop of its own: the C library's wcscspn tries each character against each of the set, and a
    // scan asks this of every name.
    for (const wchar_t* p = name; *p != L'\0'; ++p) {
        switch (*p) {
        case L'\\': case L'/': case L':': case L'*': case L'?': case L'"': case L'<': case L'>': case L'|':
            return true;
        default:
            break;
        }
    }
    return false;
}
