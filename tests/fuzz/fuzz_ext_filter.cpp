// The filter takes exactly the text's length plus two bytes and refuses a smaller buffer
// untouched; a match never depends on the case of single-byte letters in the name or the text;
// a text of plain entries (no blanks, no "*." or "." in front, none empty) is split byte for byte as it
// always was, and writing its entries with blanks around them, "*." or "." in front and empty entries
// between them changes no result.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "filelist/core/ext_filter.h"
#include "filelist/core/name_key.h"
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

// Blanks, "*.", "." and empty entries appear only where the filter cuts them, so they can be added around
// entries.
bool OfPlainEntries(const std::string& text)
{
    const std::string bounded = ";" + text + ";";
    return text.find_first_of(" \t\r\n") == std::string::npos && text.find("\x81\x40") == std::string::npos &&
           bounded.find("*.") == std::string::npos && bounded.find(";.") == std::string::npos &&
           bounded.find(";;") == std::string::npos;
}

std::string Decorated(const std::string& text)
{
    std::string decorated = " *.";
    bool star = false;
    for (char c : text) {
        decorated += c == ';' ? std::string(star ? " ;; \t*." : " ;\t; .") : std::string(1, c);
        star = star != (c == ';');
    }
    return ";" + decorated + " ";
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
    if (text.empty() || (text[0] == '*' && text.compare(0, 2, "*.") != 0) || text.find(";*;") != std::string::npos) {
        Require(accepted);
    }
    if (OfPlainEntries(text)) {
        std::string asBefore = text + std::string(2, '\0');
        std::replace(asBefore.begin(), asBefore.end(), ';', '\0');
        Require(std::string(filter.begin(), filter.end()) == asBefore);
        Require(MatchExtFilter(Filter(Decorated(text)).data(), name.data()) == accepted);
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
