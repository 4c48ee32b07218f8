#include "filelist/core/ext_filter.h"

#include <cstring>

#include "names/core/path_parts.h"
#include "text/dbcs_text.h"

namespace {

// The entry [begin, end) as the user meant it: blanks at both ends cut (walked character by
// character, so that only a real full-width space is cut), then a leading "*." dropped, so
// that "*.jpg" names the extension jpg. Returns the new end; *begin moves past what is cut.
const char* TrimEntry(const char** begin, const char* end)
{
    const char* start = *begin;
    for (std::size_t blank = BlankLengthAt(start); blank != 0; blank = BlankLengthAt(start)) {
        start += blank;
    }
    const char* last = start;
    for (const char* p = start; p < end;) {
        bool blank = BlankLengthAt(p) != 0;
        p += CharLengthAt(p);
        if (!blank) {
            last = p;
        }
    }
    if (last - start >= 2 && start[0] == '*' && start[1] == '.') {
        start += 2;
    } else if (last - start >= 1 && start[0] == '.') {
        // ".jpg" names the extension jpg as well: an extension is compared without its dot.
        start += 1;
    }
    *begin = start;
    return last;
}

}  // namespace

std::size_t BuildExtFilter(const char* extText, char* out, std::size_t outSize)
{
    if (extText == nullptr || out == nullptr) {
        return 0;
    }
    std::size_t length = std::strlen(extText);
    if (outSize < 2 || length > outSize - 2) {
        return 0;
    }
    // ';' is never the second byte of a double-byte character, so the text splits at its bytes.
    // A trimmed entry is never longer than the text it came from, so the list fits in place.
    std::memset(out, '\0', length + 2);
    char* write = out;
    const char* entry = extText;
    for (;;) {
        const char* separator = std::strchr(entry, ';');
        const char* entryEnd = separator != nullptr ? separator : extText + length;
        const char* begin = entry;
        const char* end = TrimEntry(&begin, entryEnd);
        // An empty entry (";;", a blank one) is passed over: it would end the list.
        if (end > begin) {
            std::memcpy(write, begin, static_cast<std::size_t>(end - begin));
            write += (end - begin) + 1;
        }
        if (separator == nullptr) {
            break;
        }
        entry = separator + 1;
    }
    return length + 2;
}

bool MatchExtFilter(const char* filter, const char* nameOrPath)
{
    if (filter == nullptr || nameOrPath == nullptr) {
        return false;
    }
    // No entry at all, or an entry "*" ("*.*" once its "*." is cut) anywhere, takes every file.
    if (filter[0] == '\0') {
        return true;
    }
    for (const char* entry = filter; *entry != '\0'; entry += std::strlen(entry) + 1) {
        if (entry[0] == '*') {
            return true;
        }
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
