#include "tags/core/tag_grammar.h"

#include <cstdio>
#include <cstring>

#include "tags/core/dbcs_text.h"

namespace {

// One bracketed occurrence found from a scan position.
struct Occurrence {
    const char* opening;  // first byte of the opening bracket
    const char* text;     // first byte of the tag text
    std::size_t length;   // bytes of the tag text (0 when the closing bracket does not follow the text start)
    const char* resume;   // just past the closing bracket
};

// Both brackets are searched from the same scan position, so a closing bracket that stands
// before the opening one gives an empty text and the scan moves past it.
bool FindOccurrence(const char* scan, const char* opening, const char* closing, Occurrence* found)
{
    const char* o = FindFirstOfSet(scan, opening);
    if (o == nullptr) {
        return false;
    }
    const char* c = FindFirstOfSet(scan, closing);
    if (c == nullptr) {
        return false;
    }
    found->opening = o;
    found->text = o + CharLengthAt(o);
    found->length = c > found->text ? static_cast<std::size_t>(c - found->text) : 0;
    found->resume = c + CharLengthAt(c);
    return true;
}

}  // namespace

int ReadTagListFromName(const char* name, char* out, const char* opening, const char* closing)
{
    if (name == nullptr || out == nullptr) {
        return 0;
    }
    *out = '\0';
    if (*name == '\0') {
        return 0;
    }
    // Every entry takes fewer bytes than the span of the name it was read from (brackets
    // included) or, for an empty text, no more; so the list never outgrows the name plus one.
    char* write = out;
    int count = 0;
    const char* scan = name;
    Occurrence found;
    while (FindOccurrence(scan, opening, closing, &found)) {
        std::memcpy(write, found.text, found.length);
        write += found.length;
        *write++ = '\0';
        ++count;
        scan = found.resume;
        if (*scan == '\0') {
            break;
        }
    }
    *write = '\0';
    return count;
}

bool TagEquals(const char* a, const char* b)
{
    if (a == nullptr || b == nullptr) {
        return false;
    }
    return SameTextIgnoringAsciiCase(a, std::strlen(a), b, std::strlen(b));
}

bool ComposeTaggedName(const char* before, const char* tag, const char* after, const char* name, char* out,
                       std::size_t outSize)
{
    if (out == nullptr || outSize == 0) {
        return false;
    }
    if (before == nullptr || tag == nullptr || after == nullptr || name == nullptr) {
        *out = '\0';
        return false;
    }
    int written = std::snprintf(out, outSize, "%s%s%s%s", before, tag, after, name);
    if (written < 0 || static_cast<std::size_t>(written) >= outSize) {
        // A cut name would rename the file to something the user never asked for.
        *out = '\0';
        return false;
    }
    return true;
}

int RemoveTagFromName(char* name, const char* tag, const char* opening, const char* closing)
{
    if (name == nullptr || tag == nullptr || *tag == '\0') {
        return 0;
    }
    std::size_t tagLength = std::strlen(tag);
    int removed = 0;
    char* scan = name;
    Occurrence found;
    while (*scan != '\0' && FindOccurrence(scan, opening, closing, &found)) {
        char* o = scan + (found.opening - scan);
        char* resume = scan + (found.resume - scan);
        scan = resume;
        if (SameTextIgnoringAsciiCase(found.text, found.length, tag, tagLength)) {
            std::memmove(o, resume, std::strlen(resume) + 1);
            // Resuming at the removed spot also takes an occurrence that directly followed.
            scan = o;
            removed = 1;
        }
    }
    TrimBlanks(name);
    return removed;
}
