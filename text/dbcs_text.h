#pragma once

// Shift-JIS (code page 932) text primitives over NUL-terminated byte strings.
// The byte ranges are fixed; nothing here asks the locale or the platform.
// Strings are always walked character by character from their first byte,
// because 0x5B '[', 0x5C '\' and 0x5D ']' can be the second byte of a character.

#include <cstddef>

// True when lead and next form one double-byte character. Inline, as CharLengthAt: every walk over a
// name or a path steps through them once a character.
inline bool IsDoubleBytePair(unsigned char lead, unsigned char next)
{
    const bool leadInRange = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
    return leadInRange && next >= 0x40 && next <= 0xFE;
}

// Bytes taken by the character at p: 0 at the NUL, 2 for a double-byte pair, else 1.
inline std::size_t CharLengthAt(const char* p)
{
    if (*p == '\0') return 0;
    // p[1] is at worst the NUL, which is never a second byte.
    return IsDoubleBytePair(static_cast<unsigned char>(p[0]), static_cast<unsigned char>(p[1])) ? 2 : 1;
}

// Bytes taken by the blank character at p (1, or 2 for the full-width space 0x81 0x40),
// or 0 when the character at p is not a blank or p is at the NUL.
std::size_t BlankLengthAt(const char* p);

// First character of s that is a member of set (members found by the same rule),
// or nullptr when there is none or an argument is absent.
const char* FindFirstOfSet(const char* s, const char* set);
char* FindFirstOfSet(char* s, const char* set);

// Removes blanks (space, tab, CR, LF, full-width space 0x81 0x40) from both ends,
// in place. Returns s, or nullptr when s is absent or empty.
char* TrimBlanks(char* s);

// Equality of two runs of characters where only single-byte ASCII letters are folded;
// double-byte characters must match exactly. Tags, locations and extensions all
// compare this way, so that names that compare equal also have equal keys.
bool SameTextIgnoringAsciiCase(const char* a, std::size_t aLength, const char* b, std::size_t bLength);

// A single-byte ASCII letter in upper case; every other byte unchanged.
unsigned char FoldAsciiLetter(unsigned char byte);
