// Locations that compare equal have equal folded forms and equal name keys, and the key is the
// byte sum of the folded form. Tags compare by the same rule.
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/name_key.h"
#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "tags/core/tag_grammar.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/location_oracle.h"

namespace {

std::uint32_t ByteSum(const std::string& text)
{
    std::uint32_t sum = 0;
    for (char c : text) {
        sum += static_cast<unsigned char>(c);
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    std::vector<char> a = ExactCopy(parts[0]);
    std::vector<char> b = ExactCopy(parts[1]);

    bool equal = LocationsEqual(a.data(), b.data());
    Require(equal == LocationsEqual(b.data(), a.data()));
    Require(LocationsEqual(a.data(), a.data()));
    Require(equal == TagEquals(a.data(), b.data()));

    std::string foldedA;
    std::string foldedB;
    FoldLocation(a.data(), foldedA);
    FoldLocation(b.data(), foldedB);
    Require(foldedA.size() == parts[0].size());
    Require(equal == (foldedA == foldedB));
    Require(NameKey(a.data()) == ByteSum(foldedA));

    std::vector<char> foldedBuffer = ExactCopy(foldedA);
    Require(LocationsEqual(a.data(), foldedBuffer.data()));

    if (equal) {
        Require(NameKey(a.data()) == NameKey(b.data()));
        Require(NameKey(FindFileNamePart(a.data())) == NameKey(FindFileNamePart(b.data())));
    }
    return 0;
}
