#include "filelist/ext_filter.h"

#include <cstring>

#include "tags/dbcs_text.h"

std::size_t BuildExtFilter(const char* extText, char* out, std::size_t outSize)
{
    if (extText == nullptr || out == nullptr) {
        return 0;
    }
    std::size_t length = std::strlen(extText);
    if (outSize < 2 || length > outSize - 2) {
        return 0;
    }
    // ';' is never the second byte of a double-byte character, so a byte copy is safe.
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = extText[i] == ';' ? '\0' : extText[i];
    }
    out[length] = '\0';
    out[length + 1] = '\0';
    return length + 2;
}

bool MatchExtFilter(const char* filter, const char* nameOrPath)
{
    if (filter == nullptr || nameOrPath == nullptr) {
        return false;
    }
    if (filter[0] == '\0' || filter[0] == '*') {
        return true;
    }
    const char* extension = FindExtension(FindFileNamePart(nameOrPath));
    if (*extension == '.') {
        ++extension;
    }
    std::size_t extensionLength = std::strlen(extension);
    for (const char* entry = filter; *entry != '\0'; entry += std::strlen(entry) + 1) {
        if (SameTextIgnoringAsciiCase(extension, extensionLength, entry, std::strlen(entry))) {
            return true;
        }
    }
    return false;
}
