// Tokens are pieces of the text that fit their buffer (or are reported as not fitting and left
// empty), and the scan always moves forward to the end of the text.
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "filelist/core/command_line.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte picks the token buffer size, so short buffers and skipped tokens are common.
    std::size_t tokenSize = 1 + data[0] % 16;
    std::string text = SplitInput(data + 1, size - 1, 1)[0];
    std::vector<wchar_t> textBuffer = ExactWideCopy(text);
    std::vector<wchar_t> token(tokenSize, L'Z');

    const wchar_t* begin = textBuffer.data();
    const wchar_t* end = begin + text.size();
    const wchar_t* previous = begin;
    bool fits = false;
    for (const wchar_t* next = NextPathToken(begin, token.data(), tokenSize, &fits); next != nullptr;
         next = NextPathToken(next, token.data(), tokenSize, &fits)) {
        Require(next > previous && next <= end);
        std::size_t length = wcsnlen(token.data(), tokenSize);
        Require(length < tokenSize);
        if (fits) {
            std::wstring piece(previous, next);
            Require(piece.find(token.data()) != std::wstring::npos);
        } else {
            Require(length == 0);
            Require(static_cast<std::size_t>(next - previous) >= tokenSize);
        }
        previous = next;
    }
    for (const wchar_t* p = previous; p < end; ++p) {
        Require(*p <= 0x20);
    }
    return 0;
}
