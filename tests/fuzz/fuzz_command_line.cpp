// Tokens are pieces of the text that fit their buffer (or are reported as not fitting and left
// empty), and the scan always moves forward to the end of the text.
#include <cstdint>
#include <cstring>
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
    std::vector<char> textBuffer = ExactCopy(text);
    std::vector<char> token(tokenSize, 'Z');

    const char* begin = textBuffer.data();
    const char* end = begin + text.size();
    const char* previous = begin;
    bool fits = false;
    for (const char* next = NextPathToken(begin, token.data(), tokenSize, &fits); next != nullptr;
         next = NextPathToken(next, token.data(), tokenSize, &fits)) {
        Require(next > previous && next <= end);
        std::size_t length = strnlen(token.data(), tokenSize);
        Require(length < tokenSize);
        if (fits) {
            std::string piece(previous, next);
            Require(piece.find(token.data()) != std::string::npos);
        } else {
            Require(length == 0);
            Require(static_cast<std::size_t>(next - previous) >= tokenSize);
        }
        previous = next;
    }
    for (const char* p = previous; p < end; ++p) {
        Require(static_cast<unsigned char>(*p) <= 0x20);
    }
    return 0;
}
