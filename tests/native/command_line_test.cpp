#include "filelist/core/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "tags/core/text_buffer.h"
#include "tests/native/sjis_chars.h"

namespace {

using Tokens = std::vector<std::pair<std::string, bool>>;

// Every token of a text, with whether it fitted, as the intake would see them.
Tokens Split(const char* text, std::size_t tokenSize)
{
    Tokens tokens;
    std::vector<char> token(tokenSize, 'Z');
    bool fits = false;
    for (const char* p = NextPathToken(text, token.data(), tokenSize, &fits); p != nullptr;
         p = NextPathToken(p, token.data(), tokenSize, &fits)) {
        tokens.emplace_back(std::string(token.data()), fits);
        if (tokens.size() > std::strlen(text) + 1) {
            ADD_FAILURE() << "the scan does not advance";
            break;
        }
    }
    return tokens;
}

struct SplitCase {
    const char* text;
    std::size_t tokenSize;
    Tokens expected;
};

TEST(NextPathToken, SplitsAsTheCommandLineIsWritten)
{
    const SplitCase cases[] = {
        {"\"D:\\My Docs\\memo.txt\"  D:\\photos E:\\a.TXT",
         kTextBufferSize,
         {{"D:\\My Docs\\memo.txt", true}, {"D:\\photos", true}, {"E:\\a.TXT", true}}},
        {"\"a b\"c", kTextBufferSize, {{"a b", true}, {"c", true}}},
        {"D:\\a.txt\tD:\\b.txt", kTextBufferSize, {{"D:\\a.txt\tD:\\b.txt", true}}},
        {"a\"b c", kTextBufferSize, {{"a\"b", true}, {"c", true}}},
        {"\"abc", kTextBufferSize, {{"abc", true}}},
        {"\"\"", kTextBufferSize, {{"", true}}},
        {"\"\" x", kTextBufferSize, {{"", true}, {"x", true}}},
        {"\x01\r\n a \x1F", kTextBufferSize, {{"a", true}}},
        {"", kTextBufferSize, {}},
        {" \t\r\n", kTextBufferSize, {}},
        {"\"D:\\" SJ_SO " " SJ_HYO ".txt\" " SJ_NOU "\\x",
         kTextBufferSize,
         {{"D:\\" SJ_SO " " SJ_HYO ".txt", true}, {SJ_NOU "\\x", true}}},
        {"abc", 4, {{"abc", true}}},
        {"abc abcd x", 4, {{"abc", true}, {"", false}, {"x", true}}},
        {"\"abcd\" y", 4, {{"", false}, {"y", true}}},
        {"\"a b c d\"", 4, {{"", false}}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(Split(c.text, c.tokenSize), c.expected) << c.text;
    }
}

TEST(NextPathToken, NeverWritesPastTheTokenBuffer)
{
    char token[8];
    std::memset(token, 'Z', sizeof token);
    bool fits = true;
    const char* rest = NextPathToken("abcdefgh", token, 4, &fits);
    EXPECT_FALSE(fits);
    EXPECT_STREQ(rest, "");
    EXPECT_EQ(token[0], '\0');
    for (std::size_t i = 4; i < sizeof token; ++i) {
        EXPECT_EQ(token[i], 'Z') << i;
    }
}

TEST(NextPathToken, AbsentArgumentsGiveNoToken)
{
    char token[4];
    bool fits = false;
    EXPECT_EQ(NextPathToken(nullptr, token, sizeof token, &fits), nullptr);
    EXPECT_EQ(NextPathToken("a", nullptr, sizeof token, &fits), nullptr);
    EXPECT_EQ(NextPathToken("a", token, 0, &fits), nullptr);
    EXPECT_NE(NextPathToken("a", token, sizeof token, nullptr), nullptr);
    EXPECT_STREQ(token, "a");
}

struct TailCase {
    const char* commandLine;
    const char* tail;
};

TEST(CommandLineTail, SkipsTheProgramPathAsTheStartUpCodeDoes)
{
    const TailCase cases[] = {
        // Unquoted, with Shift-JIS lead bytes (0x81 and up) that a signed compare took for blanks.
        {"C:\\" SJ_TSU SJ_CHOON SJ_RU "\\Tagrin.exe a.txt", "a.txt"},
        {"C:\\" SJ_SO SJ_HYO "\\Tagrin.exe\t \"D:\\My Docs\\x.txt\"", "\"D:\\My Docs\\x.txt\""},
        {"\"C:\\My Tools\\" SJ_TSU SJ_CHOON SJ_RU "\\Tagrin.exe\" a.txt b.txt", "a.txt b.txt"},
        {"\"C:\\Tagrin.exe\"a.txt", "a.txt"},
        {"\"C:\\no closing quote a.txt", ""},
        {"Tagrin.exe", ""},
        {"Tagrin.exe   ", ""},
        {"Tagrin.exe\r\n\x01 a", "a"},
        {"\"\" a", "a"},
        {"", ""},
        {" a.txt", "a.txt"},
    };
    for (const TailCase& c : cases) {
        EXPECT_STREQ(CommandLineTail(c.commandLine), c.tail) << c.commandLine;
    }
    EXPECT_STREQ(CommandLineTail(nullptr), "");
}

}  // namespace
