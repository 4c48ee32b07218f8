#include "filelist/core/ext_filter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/native/sjis_chars.h"

namespace {

TEST(BuildExtFilter, SemicolonsBecomeEntryEnds)
{
    struct BuildCase {
        const char* text;
        std::string expected;
    };
    const BuildCase cases[] = {
        {"txt;jpg", std::string("txt\0jpg\0\0", 9)},
        {"", std::string("\0\0", 2)},
        {";txt", std::string("txt\0\0\0", 6)},  // empty entries are passed over
        {"txt;", std::string("txt\0\0\0", 6)},
        {".jpg;;png", std::string("jpg\0png\0\0\0\0", 11)},
        {" txt ; jpg\t", std::string("txt\0jpg\0\0\0\0\0\0", 13)},  // zero-filled behind the list
        {"*.txt;*.*", std::string("txt\0*\0\0\0\0\0\0", 11)},
        {SJ_SPACE "txt" SJ_SPACE, std::string("txt\0\0\0\0\0\0", 9)},
        {SJ_ME "@ ", std::string(SJ_ME "@\0\0\0", 6)},  // 0x81 0x40 inside, but no full-width space
    };
    for (const BuildCase& c : cases) {
        std::vector<char> out(c.expected.size(), 'Z');
        EXPECT_EQ(BuildExtFilter(c.text, out.data(), out.size()), c.expected.size()) << c.text;
        EXPECT_EQ(std::string(out.data(), out.size()), c.expected) << c.text;
    }
}

TEST(BuildExtFilter, RefusesABufferTooSmall)
{
    char out[8];
    std::memset(out, 'Z', sizeof out);
    EXPECT_EQ(BuildExtFilter("txt;jpg", out, 8), 0u);  // needs 9
    EXPECT_EQ(std::string(out, sizeof out), std::string(8, 'Z'));
    EXPECT_EQ(BuildExtFilter("", out, 1), 0u);
    EXPECT_EQ(BuildExtFilter(nullptr, out, sizeof out), 0u);
    EXPECT_EQ(BuildExtFilter("txt", nullptr, 10), 0u);
}

struct MatchCase {
    const char* extText;
    const char* name;
    bool expected;
};

TEST(MatchExtFilter, ExtensionOfTheFileNamePart)
{
    const MatchCase cases[] = {
        {"*", "README", true},
        {"*.txt", "a.jpg", false},  // "*." names the extension
        {"*.txt", "a.TXT", true},
        {"*.txt;*.jpg", "a.jpg", true},
        {"*.*", "README", true},
        {"*txt", "a.jpg", true},   // a '*' that does not begin "*." takes every file
        {"txt;*", "a.jpg", true},  // in any entry
        {"*.jpg;*.*", "a.png", true},
        {" *", "a.jpg", true},
        {" ;txt", "a.jpg", false},     // a blank entry is passed over
        {"txt; ;jpg", "a.jpg", true},  // and never ends the list
        {"", "a.jpg", true},
        {";; ", "a.jpg", true},  // empty entries only take every file, as an empty filter does
        {";txt", "a.jpg", false},
        {"txt", "a.TXT", true},
        {"TXT", "a.txt", true},
        {"txt;jpg", "b.JPG", true},
        {"txt; jpg", "a.jpg", true},  // blanks around entries are cut
        {" txt ", "a.txt", true},
        {"txt" SJ_SPACE ";jpg", "a.txt", true},
        {"txt;;jpg", "a.jpg", true},
        {".txt", "a.txt", true},  // a leading dot is dropped, as "*." is
        {"html;jpeg;png", "x.jpe", false},
        {"txt", "README", false},
        {"txt", "a.txt.bak", false},
        {"txt", "D:\\dir\\b.txt", true},
        {"txt", "D:\\dir.txt\\README", false},
        {"txt", "D:\\a.b c", false},  // a blank after the dot ends the extension
        {"txt", "my file.txt", true},
        {"txt", "D:\\" SJ_SO ".txt", true},
        {SJ_HYO "x", "a." SJ_HYO "x", true},  // the 0x5C second byte does not reset
        {SJ_A, "a." SJ_DI, false},            // second bytes are never folded
        {"t" SJ_SO, "a.T" SJ_SO, true},
    };
    for (const MatchCase& c : cases) {
        std::vector<char> filter(std::strlen(c.extText) + 2);
        ASSERT_EQ(BuildExtFilter(c.extText, filter.data(), filter.size()), filter.size());
        EXPECT_EQ(MatchExtFilter(filter.data(), c.name), c.expected) << c.extText << " : " << c.name;
    }
    EXPECT_FALSE(MatchExtFilter(nullptr, "a.txt"));
    EXPECT_FALSE(MatchExtFilter("*\0", nullptr));
}

}  // namespace
