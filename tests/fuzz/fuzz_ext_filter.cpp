// The filter takes exactly the text's length plus two bytes and refuses a smaller buffer
// untouched; a match never depends on the case of single-byte letters in the name or the text.
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/ext_filter.h"
#include "filelist/name_key.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::vector<char> Filter(const std::string& text)
{
    std::vector<char> textBuffer = ExactCopy(text);
    std::vector<char> filter(text.size() + 2, 'Z');
    Require(BuildExtFilter(textBuffer.data(), filter.data(), filter.size()) == filter.size());
    Require(filter[text.size()] == '\0' && filter[text.size() + 1] == '\0');
    return filter;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    const std::string& text = parts[0];
    std::vector<char> filter = Filter(text);

    std::vector<char> textBuffer = ExactCopy(text);
    std::vector<char> tooSmall(text.size() + 1, 'Z');
    Require(BuildExtFilter(textBuffer.data(), tooSmall.data(), tooSmall.size()) == 0);
    Require(std::string(tooSmall.begin(), tooSmall.end()) == std::string(tooSmall.size(), 'Z'));

    std::vector<char> name = ExactCopy(parts[1]);
    bool accepted = MatchExtFilter(filter.data(), name.data());
    if (text.empty() || text[0] == '*' || text[0] == ';') {
        Require(accepted);
    }

    std::string foldedName;
    FoldLocation(name.data(), foldedName);
    std::string foldedText;
    FoldLocation(textBuffer.data(), foldedText);
    std::vector<char> foldedNameBuffer = ExactCopy(foldedName);
    Require(MatchExtFilter(filter.data(), foldedNameBuffer.data()) == accepted);
    Require(MatchExtFilter(Filter(foldedText).data(), name.data()) == accepted);
    return 0;
}
