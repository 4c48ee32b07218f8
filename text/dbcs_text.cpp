#include "text/dbcs_text.h"

#include <cstring>

namespace {

bool IsBlankByte(unsigned char byte)
{
    return byte == 0x20 || byte == 0x09 || byte == 0x0D || byte == 0x0A;
}

bool IsFullWidthSpace(const char* p)
{
    return static_cast<unsigned char>(p[0]) == 0x81 && static_cast<unsigned char>(p[1]) == 0x40;
}

bool MatchesSetAt(const char* p, const char* set)
{
    for (const char* member = set; *member != '\0'; member += CharLengthAt(member)) {
        if (CharLengthAt(member) == 2) {
            if (member[0] == p[0] && member[1] == p[1]) {
                return true;
            }
        } else if (member[0] == p[0]) {
            return true;
        }
    }
    return false;
}

}  // namespace

const char* FindFirstOfSet(const char* s, const char* set)
{
    if (s == nullptr || set == nullptr) {
        return nullptr;
    }
    for (const char* p = s; *p != '\0'; p += CharLengthAt(p)) {
        if (MatchesSetAt(p, set)) {
            return p;
        }
    }
    return nullptr;
}

char* FindFirstOfSet(char* s, const char* set)
{
    return const_cast<char*>(FindFirstOfSet(static_cast<const char*>(s), set));
}

char* TrimBlanks(char* s)
{
    if (s == nullptr || *s == '\0') {
        return nullptr;
    }
    char* start = s;
    for (std::size_t blank = BlankLengthAt(start); blank != 0; blank = BlankLengthAt(start)) {
        start += blank;
    }
    // Walk from the start so that only a real full-width space is cut at the end,
    // never a character whose second byte is 0x81 followed by the byte 0x40.
    char* end = start;
    for (char* p = start; *p != '\0';) {
        std::size_t length = CharLengthAt(p);
        bool blank = BlankLengthAt(p) != 0;
        p += length;
        if (!blank) {
            end = p;
        }
    }
    *end = '\0';
    std::memmove(s, start, static_cast<std::size_t>(end - start) + 1);
    return s;
}

std::size_t BlankLengthAt(const char* p)
{
    std::size_t length = CharLengthAt(p);
    if (length == 2) {
        return IsFullWidthSpace(p) ? 2 : 0;
    }
    if (length == 1 && IsBlankByte(static_cast<unsigned char>(*p))) {
        return 1;
    }
    return 0;
}

unsigned char FoldAsciiLetter(unsigned char byte)
{
    return (byte >= 'a' && byte <= 'z') ? static_cast<unsigned char>(byte - 0x20) : byte;
}

bool SameTextIgnoringAsciiCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength)
{
    if (aLength != bLength) {
        return false;
    }
    std::size_t i = 0;
    while (i < aLength) {
        const unsigned char* ua = reinterpret_cast<const unsigned char*>(a + i);
        const unsigned char* ub = reinterpret_cast<const unsigned char*>(b + i);
        // A pair never reaches past the end of the run.
        bool pairA = i + 1 < aLength && IsDoubleBytePair(ua[0], ua[1]);
        bool pairB = i + 1 < bLength && IsDoubleBytePair(ub[0], ub[1]);
        if (pairA != pairB) {
            return false;
        }
        if (pairA) {
            if (ua[0] != ub[0] || ua[1] != ub[1]) {
                return false;
            }
            i += 2;
        } else {
            if (FoldAsciiLetter(ua[0]) != FoldAsciiLetter(ub[0])) {
                return false;
            }
            i += 1;
        }
    }
    return true;
}
