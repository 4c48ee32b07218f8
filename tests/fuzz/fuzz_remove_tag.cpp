// Removing a tag never lengthens the name, shortens it whenever it reports a removal, only trims
// when it reports none, and leaves nothing that a second removal would take.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "text/dbcs_text.h"
#include "tags/core/tag_grammar.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool HoldsBlank(const char* set)
{
    for (const char* p = set; *p != '\0'; p += CharLengthAt(p)) {
        if (BlankLengthAt(p) != 0) {
            return true;
        }
    }
    return false;
}

// A lead byte that no trail byte follows stands alone; once the bytes after it are removed it can
// pair with what comes next, so such names (which no file system hands out) can read differently.
bool HoldsLoneLeadByte(const char* text)
{
    for (const char* p = text; *p != '\0'; p += CharLengthAt(p)) {
        const unsigned char byte = static_cast<unsigned char>(*p);
        if (CharLengthAt(p) == 1 && ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC))) {
            return true;
        }
    }
    return false;
}

std::string Trimmed(const std::string& text)
{
    std::vector<char> buffer = ExactCopy(text);
    TrimBlanks(buffer.data());
    return std::string(buffer.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 4);
    const std::string& before = parts[0];
    std::vector<char> name = ExactCopy(before);
    std::vector<char> tag = ExactCopy(parts[1]);
    std::vector<char> opening = ExactCopy(parts[2]);
    std::vector<char> closing = ExactCopy(parts[3]);

    int removed = RemoveTagFromName(name.data(), tag.data(), opening.data(), closing.data());
    std::string after(name.data());
    Require(removed == 0 || removed == 1);
    Require(after.size() <= before.size());
    if (parts[1].empty()) {
        Require(removed == 0 && after == before);
        return 0;
    }
    if (removed == 0) {
        Require(after == Trimmed(before));
        return 0;
    }
    Require(after.size() < before.size());

    // A blank bracket can be cut by the final trim and change how the name reads, and so can a lone
    // lead byte meeting new neighbours: the second pass is checked for names and sets without either.
    if (!HoldsBlank(opening.data()) && !HoldsBlank(closing.data()) && !HoldsLoneLeadByte(before.c_str())) {
        std::vector<char> again = ExactCopy(after);
        Require(RemoveTagFromName(again.data(), tag.data(), opening.data(), closing.data()) == 0);
        Require(std::string(again.data()) == after);
    }
    return 0;
}
