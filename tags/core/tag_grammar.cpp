#include "tags/core/tag_grammar.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "text/dbcs_text.h"
#include "text/text_buffer.h"

namespace {

// The text [begin, end) without the blanks at its ends; end is a character boundary of a walk from begin.
void TrimRun(const char** begin, const char* end, std::size_t* length)
{
    const char* start = *begin;
    for (std::size_t blank = BlankLengthAt(start); blank != 0 && start < end; blank = BlankLengthAt(start)) {
        start += blank;
    }
    const char* last = start;
    for (const char* p = start; p < end;) {
        const bool blank = BlankLengthAt(p) != 0;
        p += CharLengthAt(p);
        if (!blank) {
            last = p;
        }
    }
    *begin = start;
    *length = start < last ? static_cast<std::size_t>(last - start) : 0;
}

}  // namespace

bool FindNextTag(const char* scan, const char* opening, const char* closing, TagOccurrence* tag)
{
    if (scan == nullptr || tag == nullptr) {
        return false;
    }
    while (*scan != '\0') {
        // Both brackets are searched from the same scan position, so a closing bracket that stands before
        // the opening one gives an empty entry and the walk moves past it.
        const char* o = FindFirstOfSet(scan, opening);
        const char* c = o != nullptr ? FindFirstOfSet(scan, closing) : nullptr;
        if (c == nullptr) {
            return false;
        }
        const char* text = o + CharLengthAt(o);
        std::size_t length = 0;
        if (c > text) {
            TrimRun(&text, c, &length);
        }
        scan = c + CharLengthAt(c);
        if (length != 0) {
            *tag = TagOccurrence{o, text, length, scan};
            return true;
        }
    }
    return false;
}

int ReadTagListFromName(const char* name, char* out, const char* opening, const char* closing)
{
    if (name == nullptr || out == nullptr) {
        return 0;
    }
    // Every entry takes fewer bytes than the span of the name it was read from, brackets included; so the
    // list never outgrows the name plus one.
    char* write = out;
    int count = 0;
    TagOccurrence tag;
    for (const char* scan = name; FindNextTag(scan, opening, closing, &tag); scan = tag.end) {
        std::memcpy(write, tag.text, tag.length);
        write += tag.length;
        *write++ = '\0';
        ++count;
    }
    *write = '\0';
    return count;
}

bool NameCarriesTag(const char* name, const char* tag, const char* opening, const char* closing)
{
    if (tag == nullptr) {
        return false;
    }
    const std::size_t tagLength = std::strlen(tag);
    TagOccurrence found;
    for (const char* scan = name; FindNextTag(scan, opening, closing, &found); scan = found.end) {
        if (SameTextIgnoringAsciiCase(found.text, found.length, tag, tagLength)) {
            return true;
        }
    }
    return false;
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
    const std::size_t tagLength = std::strlen(tag);
    int removed = 0;
    char* scan = name;
    TagOccurrence found;
    while (FindNextTag(scan, opening, closing, &found)) {
        char* o = scan + (found.opening - scan);
        char* end = scan + (found.end - scan);
        scan = end;
        if (SameTextIgnoringAsciiCase(found.text, found.length, tag, tagLength)) {
            std::memmove(o, end, std::strlen(end) + 1);
            // Resuming at the removed spot also takes an occurrence that directly followed.
            scan = o;
            removed = 1;
        }
    }
    TrimBlanks(name);
    return removed;
}

bool TaggedNameReadsBack(const char* before, const char* tag, const char* after, const char* opening,
                         const char* closing)
{
    if (before == nullptr || tag == nullptr || after == nullptr || *tag == '\0') {
        return false;
    }
    const char* sample = "a.txt";
    for (const char* candidate : {"a.txt", "x", "0", "_"}) {
        if (FindFirstOfSet(candidate, opening) == nullptr && FindFirstOfSet(candidate, closing) == nullptr) {
            sample = candidate;
            break;
        }
    }
    TextBuffer name = {};
    if (!ComposeTaggedName(before, tag, after, sample, name, sizeof name)) {
        return false;
    }
    // Delete takes the tag away and trims the name, as it does with every name.
    return NameCarriesTag(name, tag, opening, closing) && RemoveTagFromName(name, tag, opening, closing) == 1 &&
           std::strcmp(name, sample) == 0;
}
