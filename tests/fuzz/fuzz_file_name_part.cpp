// The file-name part and the extension of any byte string: both stay inside the string, start on a
// character boundary, and follow the separators as a character walk from the start finds them.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// Offsets of the characters of text, walked from its start.
std::vector<std::size_t> CharacterStarts(const char* text)
{
    std::vector<std::size_t> starts;
    for (const char* p = text; *p != '\0'; p += CharLengthAt(p)) {
        starts.push_back(static_cast<std::size_t>(p - text));
    }
    starts.push_back(std::strlen(text));
    return starts;
}

bool IsStart(const std::vector<std::size_t>& starts, std::size_t offset)
{
    for (std::size_t start : starts) {
        if (start == offset) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 1);
    std::vector<char> path = ExactCopy(parts[0]);
    const char* text = path.data();
    const std::size_t length = std::strlen(text);
    const std::vector<std::size_t> starts = CharacterStarts(text);

    const char* name = FindFileNamePart(text);
    Require(name != nullptr && name >= text && name <= text + length);
    Require(IsStart(starts, static_cast<std::size_t>(name - text)));
    // No single-byte '\' or '/' stands inside the name part, except at its very end.
    for (const char* p = name; *p != '\0'; p += CharLengthAt(p)) {
        if (CharLengthAt(p) == 1 && (*p == '\\' || *p == '/') && p[1] != '\0') {
            bool onlySeparatorsFollow = true;
            for (const char* q = p; *q != '\0'; ++q) {
                onlySeparatorsFollow = onlySeparatorsFollow && (*q == '\\' || *q == '/');
            }
            Require(onlySeparatorsFollow);
        }
    }

    const char* extension = FindExtension(text);
    Require(extension != nullptr && extension >= text && extension <= text + length);
    Require(IsStart(starts, static_cast<std::size_t>(extension - text)));
    if (*extension != '\0') {
        Require(*extension == '.');
        // No separator or blank character after the extension's dot.
        for (const char* p = extension + 1; *p != '\0'; p += CharLengthAt(p)) {
            Require(!(CharLengthAt(p) == 1 && (*p == '\\' || *p == ' ' || *p == '.')));
        }
    }
    Require(FindFileNamePart(static_cast<const char*>(nullptr)) == nullptr);
    Require(FindExtension(nullptr) == nullptr);
    return 0;
}
