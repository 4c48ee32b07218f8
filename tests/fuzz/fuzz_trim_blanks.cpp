// TrimBlanks keeps exactly the characters from the first non-blank to the last non-blank one.
#include <cstdint>
#include <string>
#include <vector>

#include "text/dbcs_text.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string original = SplitInput(data, size, 1)[0];
    std::vector<char> buffer = ExactCopy(original);
    char* result = TrimBlanks(buffer.data());
    if (original.empty()) {
        Require(result == nullptr && buffer[0] == '\0');
        return 0;
    }
    Require(result == buffer.data());

    // The first and last non-blank characters, found by walking the original from its start.
    std::size_t keepFrom = original.size();
    std::size_t keepTo = 0;
    for (std::size_t i = 0; i < original.size();) {
        std::size_t length = CharLengthAt(original.c_str() + i);
        if (BlankLengthAt(original.c_str() + i) == 0) {
            if (keepFrom == original.size()) {
                keepFrom = i;
            }
            keepTo = i + length;
        }
        i += length;
    }
    std::string expected = keepFrom < keepTo ? original.substr(keepFrom, keepTo - keepFrom) : std::string();
    Require(std::string(result) == expected);

    std::vector<char> again = ExactCopy(expected);
    if (!expected.empty()) {
        TrimBlanks(again.data());
        Require(std::string(again.data()) == expected);
    }
    return 0;
}
