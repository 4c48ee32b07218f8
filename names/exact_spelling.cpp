#include "names/exact_spelling.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace {

// Whether count bytes convert back to exactly the units of wide (wideCount of them). WC_NO_BEST_FIT_CHARS
// with the used-default flag is the platform's own test; the way back is checked as well, so that a
// conversion that ignored the flag could not slip another text through.
bool ConvertsBack(const char* bytes, int count, const wchar_t* wide, int wideCount)
{
    if (count == 0) return wideCount == 0;
    wchar_t small[kWideTextSize + 1];
    std::vector<wchar_t> large;
    wchar_t* back = small;
    if (wideCount > static_cast<int>(kWideTextSize + 1)) {
        large.resize(static_cast<std::size_t>(wideCount));
        back = large.data();
    }
    const int length = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, count, back, wideCount);
    return length == wideCount && std::wmemcmp(back, wide, static_cast<std::size_t>(wideCount)) == 0;
}

}  // namespace

bool ToExactCodePage(const wchar_t* wide, char* out, std::size_t outSize)
{
    if (outSize == 0) return false;
    out[0] = '\0';
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide, -1, out, static_cast<int>(outSize), "?", &usedDefault);
    if (length == 0) {
        out[0] = '\0';
        return false;
    }
    // Both counts take the NUL in.
    return !usedDefault && ConvertsBack(out, length, wide, static_cast<int>(std::wcslen(wide) + 1));
}

bool ToExactCodePage(const std::wstring& wide, std::string& bytes)
{
    bytes.clear();
    if (wide.empty()) return true;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", nullptr);
    if (length == 0) return false;
    bytes.assign(static_cast<std::size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, &bytes[0], length, "?", &usedDefault);
    return written == length && !usedDefault && ConvertsBack(bytes.data(), length, wide.data(), size);
}

bool IsCodePageText(const char* bytes)
{
    return bytes[0] == '\0' || MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, -1, nullptr, 0) != 0;
}
