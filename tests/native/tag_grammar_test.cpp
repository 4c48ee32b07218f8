#include "tags/core/tag_grammar.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "text/text_buffer.h"
#include "tests/native/sjis_chars.h"

namespace {

// Every entry of a tag list, empty ones included, and the bytes the list takes.
struct ParsedList {
    std::vector<std::string> entries;
    std::size_t bytes;
};

ParsedList ParseList(const char* list, int count)
{
    ParsedList parsed{{}, 0};
    const char* p = list;
    for (int i = 0; i < count; ++i) {
        parsed.entries.emplace_back(p);
        p += std::strlen(p) + 1;
    }
    EXPECT_EQ(*p, '\0') << "the list must end with one more NUL";
    parsed.bytes = static_cast<std::size_t>(p - list) + 1;
    return parsed;
}

struct ReadCase {
    const char* name;
    std::vector<std::string> entries;
};

TEST(ReadTagListFromName, DefaultBrackets)
{
    const ReadCase cases[] = {
        {"[a][b]c.txt", {"a", "b"}},
        {"[a]x(b)y.txt", {"a", "b"}},
        {"x]y[a].txt", {"a"}},  // an empty entry is passed over, never the end of the tags
        {"[]x[a].txt", {"a"}},
        {"1) intro [Memo].txt", {"Memo"}},
        {"01" SJ_FW_CLOSE_PAREN SJ_GIJIROKU "[Memo].docx", {"Memo"}},
        {"[ ]x[a].txt", {"a"}},
        {"[a.txt", {}},
        {"a].txt", {}},
        {"[ a ]x.txt", {"a"}},  // the blanks at a tag's ends are no part of it
        {"[" SJ_SPACE SJ_ME "]c.txt", {SJ_ME}},
        {"[a b]x.txt", {"a b"}},
        {"[a(b)c]x.txt", {"a(b"}},
        {"[a" SJ_LENS_CLOSE "x", {"a"}},  // any opening pairs with any closing
        {SJ_LENS_OPEN "Memo" SJ_LENS_CLOSE SJ_SO ".txt", {"Memo"}},
        {SJ_GE SJ_CHOON SJ_MU ".txt", {}},  // 0x5B second byte is no bracket
        {SJ_ZO "[a].txt", {"a"}},           // 0x5D second byte is no bracket
        {"[" SJ_HYO SJ_SO "]" SJ_ZO, {SJ_HYO SJ_SO}},
        {"[" SJ_CHOON "]", {SJ_CHOON}},
        {"[a]", {"a"}},
        {"", {}},
    };
    for (const ReadCase& c : cases) {
        char out[kTextBufferSize];
        std::memset(out, 'Z', sizeof out);
        int count = ReadTagListFromName(c.name, out, SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING);
        ParsedList parsed = ParseList(out, count);
        EXPECT_EQ(parsed.entries, c.entries) << c.name;
    }
}

TEST(ReadTagListFromName, BracketSetsFromTheCaller)
{
    char out[kTextBufferSize];
    // One character in both sets: it closes at the spot where it opens, giving empty texts.
    int count = ReadTagListFromName("|a|", out, "|", "|");
    EXPECT_EQ(ParseList(out, count).entries, (std::vector<std::string>{}));

    count = ReadTagListFromName("[Memo]x", out, "", "]");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(out[0], '\0');

    count = ReadTagListFromName("[Memo]x", out, "[", nullptr);
    EXPECT_EQ(count, 0);
}

TEST(ReadTagListFromName, AbsentArgumentsLeaveOutputAlone)
{
    char out[4] = {'Z', 'Z', 'Z', '\0'};
    EXPECT_EQ(ReadTagListFromName(nullptr, out, "[", "]"), 0);
    EXPECT_STREQ(out, "ZZZ");
    EXPECT_EQ(ReadTagListFromName("[a]", nullptr, "[", "]"), 0);
}

// The list never takes more than the name's length plus one byte. Each name is read into a
// heap buffer of exactly that size, so the sanitizer also catches any write past it.
TEST(ReadTagListFromName, ListFitsInNameLengthPlusOne)
{
    struct SizeCase {
        std::string name;
        const char* opening;
        const char* closing;
    };
    const SizeCase cases[] = {
        {"||||", "|", "|"},
        {"][][][", "[", "]"},
        {"[]", "[", "]"},
        {"[a]", "[", "]"},
        {SJ_LENS_OPEN SJ_LENS_CLOSE SJ_LENS_OPEN "a" SJ_LENS_CLOSE, SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING},
        {std::string(kTextBufferSize - 1, '|'), "|", "|"},  // the longest name a text buffer holds
        {"x", "[", "]"},
    };
    for (const SizeCase& c : cases) {
        std::vector<char> out(c.name.size() + 1);
        int count = ReadTagListFromName(c.name.c_str(), out.data(), c.opening, c.closing);
        EXPECT_LE(ParseList(out.data(), count).bytes, c.name.size() + 1) << c.name;
    }
    std::string longest;
    while (longest.size() + 2 < kTextBufferSize) longest += "[a]";
    std::vector<char> out(kTextBufferSize);
    EXPECT_EQ(ReadTagListFromName(longest.c_str(), out.data(), "[", "]"), static_cast<int>(longest.size() / 3));
}

struct EqualsCase {
    const char* a;
    const char* b;
    bool expected;
};

TEST(TagEquals, FoldsSingleByteLettersOnly)
{
    const EqualsCase cases[] = {
        {"Memo", "MEMO", true},
        {"Memo", "memo", true},
        {"Memo", SJ_FW_MEMO, false},
        {"Memo", " Memo", false},
        {"Memo", "Mem", false},
        {SJ_TA SJ_GU, SJ_TA SJ_BA, false},  // second bytes 0x4F and 0x6F differ only in "case"
        {SJ_A, SJ_DI, false},
        {SJ_SO "a", SJ_SO "A", true},
        {SJ_TA SJ_GU, SJ_TA SJ_GU, true},
        {"", "", true},
        {"\x83",
         "\x83"
         "A",
         false},  // lone lead byte against a pair
    };
    for (const EqualsCase& c : cases) {
        EXPECT_EQ(TagEquals(c.a, c.b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(TagEquals(c.b, c.a), c.expected) << c.b << " / " << c.a;
    }
    EXPECT_FALSE(TagEquals(nullptr, "a"));
    EXPECT_FALSE(TagEquals("a", nullptr));
}

TEST(ComposeTaggedName, Concatenates)
{
    char out[kTextBufferSize];
    EXPECT_TRUE(ComposeTaggedName("[", "Memo", "]", "a.txt", out, sizeof out));
    EXPECT_STREQ(out, "[Memo]a.txt");
    EXPECT_TRUE(ComposeTaggedName(SJ_LENS_OPEN, "Memo", SJ_LENS_CLOSE, "[x] a.txt", out, sizeof out));
    EXPECT_STREQ(out, SJ_LENS_OPEN "Memo" SJ_LENS_CLOSE "[x] a.txt");
}

TEST(ComposeTaggedName, RefusesWhatDoesNotFitAndNeverWritesPastTheSize)
{
    struct FitCase {
        std::size_t outSize;
        bool fits;
    };
    const std::string expected = "[Memo]a.txt";
    const FitCase cases[] = {
        {expected.size() + 1, true},
        {expected.size(), false},
        {1, false},
    };
    for (const FitCase& c : cases) {
        char out[32];
        std::memset(out, 'Z', sizeof out);
        EXPECT_EQ(ComposeTaggedName("[", "Memo", "]", "a.txt", out, c.outSize), c.fits) << c.outSize;
        EXPECT_STREQ(out, c.fits ? expected.c_str() : "") << c.outSize;
        for (std::size_t i = c.outSize; i < sizeof out; ++i) {
            ASSERT_EQ(out[i], 'Z') << "byte " << i << " written with size " << c.outSize;
        }
    }
    char out[4] = "abc";
    EXPECT_FALSE(ComposeTaggedName("[", nullptr, "]", "a.txt", out, sizeof out));
    EXPECT_STREQ(out, "");
    EXPECT_FALSE(ComposeTaggedName("[", "Memo", "]", "a.txt", nullptr, 10));
}

struct RemoveCase {
    const char* name;
    const char* tag;
    const char* expected;
    int result;
};

TEST(RemoveTagFromName, EveryOccurrenceUnderAnyBrackets)
{
    const RemoveCase cases[] = {
        {"[Memo] report.txt", "memo", "report.txt", 1},
        {"report [MEMO].txt", "memo", "report .txt", 1},
        {SJ_LENS_OPEN "Memo" SJ_LENS_CLOSE "(memo)x.txt", "memo", "x.txt", 1},
        {"[Memo][Memo]x.txt", "memo", "x.txt", 1},
        {"[Memo]a[Memo]b", "Memo", "ab", 1},
        {"x)y[Memo].txt", "Memo", "x)y.txt", 1},
        {" report.txt", "Memo", "report.txt", 0},  // trimmed, but nothing removed
        {"[[Memo]]x", "Memo", "[[Memo]]x", 0},     // brackets do not nest
        {"[Memo]", "Memo", "", 1},
        {"a[Memo]" SJ_SPACE, "Memo", "a", 1},
        {SJ_ZO "[Memo]" SJ_SO ".txt", "Memo", SJ_ZO SJ_SO ".txt", 1},
        {SJ_CHOON "Memo" SJ_ZO ".txt", "Memo", SJ_CHOON "Memo" SJ_ZO ".txt", 0},
        {"[" SJ_CHOON "Memo]x", SJ_CHOON "memo", "x", 1},
        {"[" SJ_TA SJ_GU "]x", SJ_TA SJ_BA, "[" SJ_TA SJ_GU "]x", 0},
        {"[" SJ_TA SJ_GU "]x", SJ_TA SJ_GU, "x", 1},
        {"[Memox]", "Memo", "[Memox]", 0},
        {"[ Memo ]b.txt", "Memo", "b.txt", 1},
        {"[" SJ_SPACE SJ_ME "]c.txt", SJ_ME, "c.txt", 1},
        {"[Memo]1) intro [Memo].txt", "Memo", "1) intro .txt", 1},
        {"01" SJ_FW_CLOSE_PAREN SJ_GIJIROKU "[Memo].docx", "memo", "01" SJ_FW_CLOSE_PAREN SJ_GIJIROKU ".docx", 1},
        {"[]a[Memo].txt", "Memo", "[]a.txt", 1},
        {"[ a b ]x", "a b", "x", 1},
        {"[ab]x", "a b", "[ab]x", 0},
    };
    for (const RemoveCase& c : cases) {
        std::string name(c.name);
        name.push_back('\0');
        // Add's check reads the same walk: a name carries the tag exactly when Delete would take it away.
        EXPECT_EQ(NameCarriesTag(c.name, c.tag, SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING), c.result == 1) << c.name;
        EXPECT_EQ(RemoveTagFromName(&name[0], c.tag, SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING), c.result) << c.name;
        EXPECT_STREQ(name.c_str(), c.expected) << c.name;
    }
}

TEST(RemoveTagFromName, NothingToRemoveWithoutTagOrBrackets)
{
    char name[] = "[]x[Memo]";
    EXPECT_EQ(RemoveTagFromName(name, "", "[", "]"), 0);  // an empty tag would take every "[]"
    EXPECT_STREQ(name, "[]x[Memo]");
    EXPECT_EQ(RemoveTagFromName(name, nullptr, "[", "]"), 0);
    EXPECT_EQ(RemoveTagFromName(name, "Memo", "", "]"), 0);  // an empty opening set holds no bracket
    EXPECT_STREQ(name, "[]x[Memo]");
    EXPECT_EQ(RemoveTagFromName(nullptr, "Memo", "[", "]"), 0);
}

// Added texts that the bracket sets read back, and those that would write a tag no later Add sees or no
// Delete takes away.
TEST(TaggedNameReadsBack, OnlyAddedTextsTheSetsReadBack)
{
    struct ProofCase {
        const char *before, *after, *opening, *closing;
        bool readsBack;
    };
    const char* o = SJ_DEFAULT_OPENING;
    const char* c = SJ_DEFAULT_CLOSING;
    // clang-format off
    const ProofCase cases[] = {
        {"[", "]", o, c, true}, {SJ_LENS_OPEN, SJ_LENS_CLOSE, o, c, true},
        {"[", "] ", o, c, true},  // Delete trims the blank with the name
        {SJ_DOUBLE_ANGLE_OPEN, SJ_DOUBLE_ANGLE_CLOSE, o, c, false},
        {SJ_DOUBLE_ANGLE_OPEN, SJ_DOUBLE_ANGLE_CLOSE, SJ_DOUBLE_ANGLE_OPEN, SJ_DOUBLE_ANGLE_CLOSE, true},
        {SJ_STAR "[", "]", o, c, false},  // a trace is left
        {"[[", "]", o, c, false},         // the tag reads as "[Memo"
        {"]", "[", o, c, false}, {"[", "]", "", c, false}, {"[", "]x", o, c, false},
    };
    // clang-format on
    for (const ProofCase& row : cases) {
        EXPECT_EQ(TaggedNameReadsBack(row.before, "Memo", row.after, row.opening, row.closing), row.readsBack)
            << row.before << "Memo" << row.after;
    }
}

// Add, then Add again, then Delete, over generated names of the kinds users write (numbered prefixes, company
// marks, bracketed notes, blanks of both widths, characters whose second byte is '[', '\\' or ']') and tags the
// tag check takes: Add's name carries the tag, a second Add would leave it, and Delete gives the name back
// trimmed at its ends, as Delete trims every name.
TEST(TagRoundTrip, AddIsSeenAndDeleteTakesItAway)
{
    // clang-format off
    const std::vector<std::string> parts = {
        "1) ", "01" SJ_FW_CLOSE_PAREN, "(" SJ_KABU ")", SJ_LENS_OPEN SJ_JUUYOU SJ_LENS_CLOSE, "[x]", "(y)",
        SJ_FW_OPEN_PAREN "z" SJ_FW_CLOSE_PAREN, "{w}", "<v>", "\x81\x75x\x81\x76", "\x81\x77y\x81\x78",
        "\x81\x83z\x81\x84", " ", SJ_SPACE, SJ_CHOON, SJ_SO, SJ_HYO, SJ_ZO, "report", SJ_GIJIROKU, ".txt", ".docx",
        ")", "]", "[Memo]", "[ " SJ_ME " ]", "-"};
    // clang-format on
    const std::vector<std::string> tags = {"Memo", "memo",     SJ_JUUYOU, SJ_KABU,         "a b", SJ_SO "x", SJ_ZO,
                                           "x",    SJ_FW_MEMO, SJ_ME,     SJ_HYO SJ_CHOON, "v",   "01"};
    const char* added[][2] = {{"[", "]"}, {SJ_LENS_OPEN, SJ_LENS_CLOSE}, {"(", ") "}};
    std::mt19937 random(20261210);
    for (int round = 0; round < 20000; ++round) {
        std::string name;
        const int count = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) name += parts[random() % parts.size()];
        const std::string& tag = tags[random() % tags.size()];
        const char* const* brackets = added[random() % 3];
        SCOPED_TRACE(name + " / " + tag + " / " + brackets[0]);
        std::string without(name);
        without.push_back('\0');
        const int removed = RemoveTagFromName(&without[0], tag.c_str(), SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING);
        without.resize(std::strlen(without.c_str()));
        if (NameCarriesTag(name.c_str(), tag.c_str(), SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING)) {
            // Add leaves it; Delete takes every occurrence.
            ASSERT_EQ(removed, 1);
            ASSERT_FALSE(NameCarriesTag(without.c_str(), tag.c_str(), SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING));
            continue;
        }
        ASSERT_EQ(removed, 0);
        char tagged[kTextBufferSize];
        ASSERT_TRUE(ComposeTaggedName(brackets[0], tag.c_str(), brackets[1], name.c_str(), tagged, sizeof tagged));
        ASSERT_TRUE(NameCarriesTag(tagged, tag.c_str(), SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING)) << tagged;
        ASSERT_EQ(RemoveTagFromName(tagged, tag.c_str(), SJ_DEFAULT_OPENING, SJ_DEFAULT_CLOSING), 1);
        ASSERT_EQ(std::string(tagged), without);
    }
}

}  // namespace
