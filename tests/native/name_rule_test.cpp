#include "names/core/name_rule.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/native/sjis_chars.h"

namespace {

struct SafeCase {
    const char* oldName;
    const char* newName;
    bool expected;
};

TEST(IsSafeNewFileName, StaysInItsFolderAndStaysVisible)
{
    const SafeCase cases[] = {
        {"a", "a.txt", true},           {"a", SJ_SO ".txt", true},   {"a", SJ_HYO SJ_NOU, true},
        {"a", "x" SJ_SPACE, true},      {"a", "", false},            {"a", " " SJ_SPACE, false},
        {"a", "a\\b", false},           {"a", "..\\x", false},       {"a", "a/b", false},
        {"a", "a.txt:stream", false},   {"a", "a\tb", false},        {"a", "a<b", false},
        {"a", "\x81\\", true},  // one double-byte character whose second byte is 0x5C
        {"a", "\x81/", false},  // a lone lead byte before a real slash
        {"a", "report.", false},        {"a", "a.txt ", false},      {"a", SJ_SO ".", false},
        {"[Memo].txt", ".txt", false},  {".profile", ".profile2", true},
    };
    for (const SafeCase& c : cases) {
        EXPECT_EQ(IsSafeNewFileName(c.oldName, c.newName), c.expected) << c.newName;
    }
    EXPECT_FALSE(IsSafeNewFileName("a", std::string(256, 'n').c_str()));
    EXPECT_TRUE(IsSafeNewFileName("a", std::string(255, 'n').c_str()));
    EXPECT_FALSE(IsSafeNewFileName("a", nullptr));
}

// Code-page bytes and UTF-16 follow one rule: the same path gives the same fault either way.
TEST(FindPathFault, OneRuleForEveryPath)
{
    const std::string deep = "C:\\" + std::string(250, 'd') + "\\";
    const struct {
        std::string path;
        NameFault fault;
    } cases[] = {
        {"C:\\docs\\a.txt", NameFault::kNone},
        {"\\\\server\\share\\a.txt", NameFault::kNone},
        {"docs\\..\\.\\a.txt", NameFault::kNone},
        {"C:a.txt", NameFault::kNone},
        {"C:\\docs\\notes.txt:v2", NameFault::kForbiddenCharacter},
        {"C:\\a\"b.txt", NameFault::kForbiddenCharacter},
        {"C:\\x\tb.txt", NameFault::kControlCharacter},
        {"C:\\abc.\\x.txt", NameFault::kEndsInDotOrBlank},
        {"C:\\sub \\x.txt", NameFault::kEndsInDotOrBlank},
        {"\\\\?\\C:\\a.txt", NameFault::kForbiddenCharacter},
        {deep + "12345", NameFault::kNone},  // 259 characters
        {deep + "123456", NameFault::kPathTooLong},
        {"C:\\" + std::string(256, 'n'), NameFault::kNameTooLong},
    };
    for (const auto& c : cases) {
        const std::wstring wide(c.path.begin(), c.path.end());
        EXPECT_EQ(FindPathFault(c.path.c_str()), c.fault) << c.path.size() << " " << c.path.substr(0, 40);
        EXPECT_EQ(FindPathFault(wide.c_str()), c.fault) << c.path.size() << " " << c.path.substr(0, 40);
    }
    // A double-byte character counts once, and its second byte 0x5C is no separator: 259 characters of 514 bytes.
    std::string hyo = "C:\\";
    for (int i = 0; i < 256; ++i) hyo += i == 127 ? "\\" : SJ_HYO;
    EXPECT_EQ(FindPathFault(hyo.c_str()), NameFault::kNone);
    EXPECT_EQ(FindPathFault((hyo + ".").c_str()), NameFault::kEndsInDotOrBlank);
    EXPECT_EQ(FindPathFault((hyo + "x").c_str()), NameFault::kPathTooLong);
}

TEST(PlainPathForm, PrefixedPathsBecomePlainOnlyWhenTheyMeanTheSame)
{
    const struct {
        const wchar_t* path;
        const wchar_t* plain;  // null: no plain form
    } cases[] = {
        {L"C:\\a.txt", L"C:\\a.txt"},
        {L"\\\\?\\C:\\docs\\a.txt", L"C:\\docs\\a.txt"},
        {L"\\\\.\\C:\\a.txt", L"C:\\a.txt"},
        {L"\\\\?\\UNC\\server\\share\\a.txt", L"\\\\server\\share\\a.txt"},
        {L"\\\\?\\Volume{1234}\\a.txt", nullptr},
        {L"\\\\.\\pipe\\x", nullptr},
        {L"\\\\?\\C:\\docs\\..\\a.txt", nullptr},
        {L"\\\\?\\C:\\a/b.txt", nullptr},
    };
    for (const auto& c : cases) {
        wchar_t out[64] = {};
        EXPECT_EQ(PlainPathForm(c.path, out, 64), c.plain != nullptr);
        if (c.plain != nullptr) EXPECT_EQ(std::wstring(out), c.plain);
    }
}

}  // namespace
