#include "filelist/core/command_line.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "text/text_buffer.h"
#include "tests/native/sjis_chars.h"

namespace {

using Tokens = std::vector<std::pair<std::string, bool>>;

// The command line comes as UTF-16: each byte of a table text becomes one unit, so the bytes 0x81 and up
// stand for units above the blanks.
std::wstring Widen(const std::string& bytes)
{
    std::wstring wide;
    for (char byte : bytes) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    return wide;
}

std::string Narrow(const std::wstring& wide)
{
    return std::string(wide.begin(), wide.end());
}

// Every token of a text, with whether it fitted, as the intake would see them.
Tokens Split(const char* bytes, std::size_t tokenSize)
{
    Tokens tokens;
    const std::wstring text = Widen(bytes);
    std::vector<wchar_t> token(tokenSize, L'Z');
    bool fits = false;
    for (const wchar_t* p = NextPathToken(text.c_str(), token.data(), tokenSize, &fits); p != nullptr;
         p = NextPathToken(p, token.data(), tokenSize, &fits)) {
        tokens.emplace_back(Narrow(token.data()), fits);
        if (tokens.size() > text.size() + 1) {
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
    wchar_t token[8];
    std::wmemset(token, L'Z', 8);
    bool fits = true;
    const wchar_t* rest = NextPathToken(L"abcdefgh", token, 4, &fits);
    EXPECT_FALSE(fits);
    EXPECT_EQ(*rest, L'\0');
    EXPECT_EQ(token[0], L'\0');
    for (std::size_t i = 4; i < 8; ++i) {
        EXPECT_EQ(token[i], L'Z') << i;
    }
}

TEST(NextPathToken, AbsentArgumentsGiveNoToken)
{
    wchar_t token[4];
    bool fits = false;
    EXPECT_EQ(NextPathToken(nullptr, token, 4, &fits), nullptr);
    EXPECT_EQ(NextPathToken(L"a", nullptr, 4, &fits), nullptr);
    EXPECT_EQ(NextPathToken(L"a", token, 0, &fits), nullptr);
    EXPECT_NE(NextPathToken(L"a", token, 4, nullptr), nullptr);
    EXPECT_EQ(std::wstring(token), L"a");
}

struct TailCase {
    const char* commandLine;
    const char* tail;
};

TEST(CommandLineTail, SkipsTheProgramPathAsTheStartUpCodeDoes)
{
    const TailCase cases[] = {
        // Unquoted, with units above 0x80 that a signed compare took for blanks.
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
        const std::wstring commandLine = Widen(c.commandLine);
        EXPECT_EQ(Narrow(CommandLineTail(commandLine.c_str())), c.tail) << c.commandLine;
    }
    EXPECT_EQ(std::wstring(CommandLineTail(nullptr)), L"");
}

}  // namespace
