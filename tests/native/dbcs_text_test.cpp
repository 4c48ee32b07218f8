#include "names/core/path_parts.h"
#include "text/dbcs_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/native/sjis_chars.h"

namespace {

struct PairCase {
    unsigned lead;
    unsigned next;
    bool expected;
};

TEST(IsDoubleBytePair, FixedRanges)
{
    const PairCase cases[] = {
        {0x81, 0x40, true},  {0x9F, 0x7F, true},  {0xE0, 0x40, true},  {0xFC, 0xFE, true},  {0x81, 0x00, false},
        {0x81, 0x3F, false}, {0x81, 0xFF, false}, {0x80, 0x40, false}, {0xA0, 0x40, false}, {0xB1, 0x40, false},
        {0xDF, 0x40, false}, {0xFD, 0x40, false}, {0x41, 0x41, false},
    };
    for (const PairCase& c : cases) {
        EXPECT_EQ(IsDoubleBytePair(static_cast<unsigned char>(c.lead), static_cast<unsigned char>(c.next)), c.expected)
            << std::hex << c.lead << " " << c.next;
    }
}

struct FindCase {
    const char* s;
    const char* set;
    int expected;  // byte offset, -1 for none
};

TEST(FindFirstOfSet, FindsWholeCharactersOnly)
{
    const FindCase cases[] = {
        {SJ_GE SJ_CHOON SJ_MU "[a].txt", "[", 6},  // not the second byte of the long-vowel mark
        {"x" SJ_LENS_OPEN "y", SJ_LENS_OPEN, 1},
        {"x" SJ_LENS_OPEN "y", SJ_LENS_CLOSE, -1},  // same first byte, other character
        {"a" SJ_LENS_OPEN "b(c", "(" SJ_LENS_OPEN, 1},
        {"a(b" SJ_LENS_OPEN "c", "(" SJ_LENS_OPEN, 1},
        {SJ_SO "\\x", "\\", 2},
        {SJ_ZO "]", "]", 2},
        {SJ_HYO SJ_NOU "[x]", "\\[", 4},
        {"a[" SJ_CHOON, SJ_CHOON, 2},   // a double-byte member needs both bytes
        {"a" SJ_LENS_OPEN, "\x81", 1},  // a lone lead byte in the set is a single-byte member
        {"abc", "", -1},
        {"", "[", -1},
        {SJ_CHOON SJ_ZO, "[]", -1},
    };
    for (const FindCase& c : cases) {
        const char* found = FindFirstOfSet(c.s, c.set);
        int offset = found == nullptr ? -1 : static_cast<int>(found - c.s);
        EXPECT_EQ(offset, c.expected) << c.s;
    }
}

TEST(FindFirstOfSet, AbsentArgumentsGiveNone)
{
    EXPECT_EQ(FindFirstOfSet(static_cast<const char*>(nullptr), "["), nullptr);
    EXPECT_EQ(FindFirstOfSet("[a]", nullptr), nullptr);
    char text[] = "a[b";
    EXPECT_EQ(FindFirstOfSet(text, "["), text + 1);
}

struct TrimCase {
    const char* in;
    const char* expected;
};

TEST(TrimBlanks, CutsOnlyBlankCharactersAtBothEnds)
{
    const TrimCase cases[] = {
        {SJ_SPACE " Memo\t\r\n", "Memo"},
        {"Memo" SJ_SPACE, "Memo"},
        {SJ_KAN SJ_JI, SJ_KAN SJ_JI},
        {"a b", "a b"},
        {"x", "x"},
        {"x ", "x"},
        {" " SJ_SPACE "\t", ""},
        {SJ_SPACE SJ_SPACE "a" SJ_SPACE " a" SJ_SPACE, "a" SJ_SPACE " a"},
        {SJ_ME "\x40", SJ_ME "\x40"},  // a katakana then '@', not a full-width space
        {"a" SJ_ME SJ_SPACE, "a" SJ_ME},
        {SJ_SO " ", SJ_SO},
        {" " SJ_CHOON, SJ_CHOON},
        {SJ_HYO "\t", SJ_HYO},
        {"\x81 ", "\x81"},                  // a lone lead byte is a character of its own
        {"\x81" SJ_SPACE, "\x81\x81\x40"},  // 0x81 0x81 is one character, then the byte 0x40
    };
    for (const TrimCase& c : cases) {
        std::string buffer(c.in);
        buffer.push_back('\0');
        char* result = TrimBlanks(&buffer[0]);
        EXPECT_EQ(result, &buffer[0]) << c.in;
        EXPECT_STREQ(buffer.c_str(), c.expected) << c.in;
    }
}

TEST(TrimBlanks, EmptyOrAbsentGivesNone)
{
    char empty[] = "";
    EXPECT_EQ(TrimBlanks(empty), nullptr);
    EXPECT_STREQ(empty, "");
    EXPECT_EQ(TrimBlanks(nullptr), nullptr);
}

struct OffsetCase {
    const char* path;
    int expected;
};

TEST(FindFileNamePart, SecondBytesAreNeverSeparators)
{
    const OffsetCase cases[] = {
        {"C:\\dir\\a.txt", 7},
        {"a.txt", 0},
        {"dir\\" SJ_SO ".txt", 4},
        {"d\\a" SJ_SO "b", 2},
        {SJ_HYO "\\x", 3},
        {SJ_HYO SJ_NOU ".txt", 0},
        {"C:a.txt", 2},
        {"dir\\", 0},  // a separator at the end starts no name
        {"a\\\\b", 3},
        {"a/b", 2},
        {"\\\\server\\share", 9},
        {"", 0},
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(FindFileNamePart(c.path) - c.path, c.expected) << c.path;
    }
    EXPECT_EQ(FindFileNamePart(static_cast<const char*>(nullptr)), nullptr);
}

TEST(FindExtension, LastDotAfterLastBackslashOrSpace)
{
    const OffsetCase cases[] = {
        {"a.txt", 1},        {"a", 1},          {"a.b.c", 3},     {"dir.d\\file", 10},
        {"a.b c", 5},        {SJ_SO ".txt", 2}, {"a." SJ_HYO, 1},  // the 0x5C of the character does not reset
        {"a." SJ_SO "x", 1}, {"\x81.", 1},                         // a lone lead byte does not swallow the dot
        {"a.b\\", 4},        {"", 0},
    };
    for (const OffsetCase& c : cases) {
        EXPECT_EQ(FindExtension(c.path) - c.path, c.expected) << c.path;
    }
    EXPECT_EQ(FindExtension(nullptr), nullptr);
}

}  // namespace
