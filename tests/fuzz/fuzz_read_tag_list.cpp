// The tag list fits in the name's length plus one byte (the buffer has exactly that size),
// ends with an empty entry after `count` entries, and every entry is text of the name, never
// empty, that holds no closing bracket.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "text/dbcs_text.h"
#include "tags/core/tag_grammar.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 3);
    const std::string& name = parts[0];
    std::vector<char> nameBuffer = ExactCopy(name);
    std::vector<char> opening = ExactCopy(parts[1]);
    std::vector<char> closing = ExactCopy(parts[2]);
    std::vector<char> out(name.size() + 1, 'Z');

    int count = ReadTagListFromName(nameBuffer.data(), out.data(), opening.data(), closing.data());
    Require(count >= 0);
    if (parts[1].empty() || parts[2].empty()) {
        Require(count == 0);
    }

    std::size_t at = 0;
    std::size_t searchFrom = 0;
    for (int i = 0; i < count; ++i) {
        Require(at < out.size());
        const char* entry = out.data() + at;
        std::size_t length = strnlen(entry, out.size() - at);
        Require(at + length < out.size());
        Require(FindFirstOfSet(entry, closing.data()) == nullptr);
        Require(length != 0);
        std::size_t where = name.find(entry, searchFrom);
        Require(where != std::string::npos);
        searchFrom = where + length;
        at += length + 1;
    }
    Require(at < out.size() && out[at] == '\0');
    Require(std::string(nameBuffer.data()) == name);
    return 0;
}
