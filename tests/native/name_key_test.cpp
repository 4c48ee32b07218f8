#include "filelist/core/name_key.h"

#include <gtest/gtest.h>

#include <string>

#include "names/core/path_parts.h"
#include "text/dbcs_text.h"
#include "tests/support/location_oracle.h"
#include "tests/native/sjis_chars.h"

namespace {

struct KeyCase {
    const char* name;
    std::uint32_t expected;
};

TEST(NameKey, SumsBytesWithSingleByteLettersInUpperCase)
{
    const KeyCase cases[] = {
        {"", 0},
        {"a.txt", 367},
        {"A.TXT", 367},
        {"Readme.TXT", 732},
        {"README.txt", 732},
        {SJ_A, 0x83 + 0x41},
        {SJ_DI, 0x83 + 0x61},  // the second byte 'a' is not folded
        {SJ_SO "a", 0x83 + 0x5C + 0x41},
        {"\x83"
         "a",
         0x83 + 0x61},  // 0x83 'a' is one character
        {"\x83", 0x83},
        {"\xFF\xFF", 0x1FE},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(NameKey(c.name), c.expected) << c.name;
    }
    EXPECT_EQ(NameKey(nullptr), 0u);
}

struct LocationCase {
    const char* a;
    const char* b;
    bool expected;
};

// Each pair is checked three ways: the comparison itself, the folded form that keys the
// index of listed locations, and the keys of the file names of equal locations.
TEST(LocationsEqual, AgreesWithFoldedFormAndKeys)
{
    const LocationCase cases[] = {
        {"C:\\a.txt", "c:\\A.TXT", true},
        {"D:\\My Docs\\Memo.txt", "d:\\my docs\\MEMO.TXT", true},
        {"dir\\" SJ_SO "a", "DIR\\" SJ_SO "A", true},
        {SJ_A ".txt", SJ_DI ".txt", false},
        {"x\\" SJ_TA SJ_GU, "x\\" SJ_TA SJ_BA, false},
        {"a", "a ", false},
        {"a.txt", "a.txt2", false},
        {"C:\\PROGRA~1\\a", "C:\\Program Files\\a", false},
        {".\\a.txt", "a.txt", false},
        {"", "", true},
        {SJ_FW_MEMO, "memo", false},
    };
    for (const LocationCase& c : cases) {
        EXPECT_EQ(LocationsEqual(c.a, c.b), c.expected) << c.a << " / " << c.b;
        EXPECT_EQ(LocationsEqual(c.b, c.a), c.expected) << c.b << " / " << c.a;
        std::string foldedA;
        std::string foldedB;
        FoldLocation(c.a, foldedA);
        FoldLocation(c.b, foldedB);
        EXPECT_EQ(foldedA == foldedB, c.expected) << c.a << " / " << c.b;
        if (c.expected) {
            EXPECT_EQ(NameKey(FindFileNamePart(c.a)), NameKey(FindFileNamePart(c.b))) << c.a;
        }
    }
    EXPECT_FALSE(LocationsEqual(nullptr, "a"));
    EXPECT_FALSE(LocationsEqual("a", nullptr));
}

TEST(FoldLocation, UpperCasesSingleByteLettersOnly)
{
    std::string folded = "stale";
    FoldLocation("c:\\ab" SJ_DI "z", folded);
    EXPECT_EQ(folded, "C:\\AB" SJ_DI "Z");
    FoldLocation(nullptr, folded);
    EXPECT_EQ(folded, "");
}

}  // namespace
