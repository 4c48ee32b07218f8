// FindFirstOfSet returns the first character boundary of the string at which a member of the set
// stands, and nothing when no boundary holds one.
#include <cstdint>
#include <string>
#include <vector>

#include "text/dbcs_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool MemberAt(const char* p, const std::string& set)
{
    for (std::size_t j = 0; j < set.size();) {
        bool pair = j + 1 < set.size() &&
                    IsDoubleBytePair(static_cast<unsigned char>(set[j]), static_cast<unsigned char>(set[j + 1]));
        if (pair ? (set[j] == p[0] && set[j + 1] == p[1]) : set[j] == p[0]) {
            return true;
        }
        j += pair ? 2 : 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    std::vector<char> s = ExactCopy(parts[0]);
    std::vector<char> set = ExactCopy(parts[1]);
    const char* found = FindFirstOfSet(static_cast<const char*>(s.data()), set.data());
    Require(FindFirstOfSet(s.data(), set.data()) == found);

    const char* expected = nullptr;
    for (std::size_t i = 0; i < parts[0].size();) {
        unsigned char lead = static_cast<unsigned char>(s[i]);
        unsigned char next = static_cast<unsigned char>(s[i + 1]);
        if (MemberAt(s.data() + i, parts[1])) {
            expected = s.data() + i;
            break;
        }
        i += IsDoubleBytePair(lead, next) ? 2 : 1;
    }
    Require(found == expected);
    return 0;
}
