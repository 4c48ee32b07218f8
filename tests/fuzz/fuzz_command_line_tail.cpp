// The tail of a whole command line lies inside it, starts at its end or at a byte above 0x20, and what was
// skipped is the program path (to the closing quote, or a run of bytes above 0x20) followed by blanks only.
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/command_line.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text = SplitInput(data, size, 1)[0];
    std::vector<wchar_t> buffer = ExactWideCopy(text);
    const wchar_t* begin = buffer.data();
    const wchar_t* end = begin + text.size();
    const wchar_t* tail = CommandLineTail(begin);
    Require(tail >= begin && tail <= end);
    Require(tail == end || *tail > 0x20);

    const std::size_t skipped = static_cast<std::size_t>(tail - begin);
    std::size_t pathEnd = 0;
    if (!text.empty() && text[0] == '"') {
        const std::size_t closing = text.find('"', 1);
        pathEnd = closing == std::string::npos ? text.size() : closing + 1;
    } else {
        while (pathEnd < text.size() && static_cast<unsigned char>(text[pathEnd]) > 0x20) ++pathEnd;
    }
    Require(skipped >= pathEnd);
    for (std::size_t i = pathEnd; i < skipped; ++i) Require(static_cast<unsigned char>(text[i]) <= 0x20);
    return 0;
}
