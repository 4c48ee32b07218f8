// The command line the extension builds for Tagrin: quoted paths, one blank apart, within the platform's limit.
#include "shellext/launch_command_line.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<LaunchCommandLine> NewLine()
{
    return std::make_unique<LaunchCommandLine>();
}

TEST(LaunchCommandLineTest, QuotesEveryPathAndSeparatesThemByOneBlank)
{
    auto line = NewLine();
    ASSERT_TRUE(StartLaunchCommandLine(line.get(), "C:\\ツール\\Tagrin.exe"));
    // 表, ソ, 能 and 予 end in the byte 0x5C; blanks and brackets stay as they are inside the quotes.
    const char* paths[] = {"C:\\写真 2024\\表 紙.txt", "D:\\ソフト\\能 力", "E:\\[予定] a.txt", "F:\\"};
    for (const char* path : paths) EXPECT_TRUE(AppendLaunchPath(line.get(), path));
    const std::string expected =
        "\"C:\\ツール\\Tagrin.exe\" \"C:\\写真 2024\\表 紙.txt\" \"D:\\ソフト\\能 力\" \"E:\\[予定] a.txt\" \"F:\\\"";
    EXPECT_EQ(expected, line->text);
    EXPECT_EQ(expected.size(), line->length);
    EXPECT_EQ(4, line->pathCount);
    EXPECT_EQ(0, line->leftOut);
}

// The line with its NUL must stay within 32767 characters: 32766 bytes of text fit, 32767 do not.
TEST(LaunchCommandLineTest, TakesPathsUpToTheLimitAndCountsTheRest)
{
    const struct {
        std::size_t pathLength;
        bool fits;
    } cases[] = {{32766 - 10 - 3, true}, {32766 - 10 - 2, false}};
    for (const auto& c : cases) {
        auto line = NewLine();
        ASSERT_TRUE(StartLaunchCommandLine(line.get(), "C:\\T.exe"));  // 10 bytes with its quotes
        const std::string path(c.pathLength, 'a');
        EXPECT_EQ(c.fits, AppendLaunchPath(line.get(), path.c_str())) << c.pathLength;
        EXPECT_EQ(c.fits ? 32766u : 10u, line->length);
        EXPECT_EQ(c.fits ? 32766u : 10u, std::string(line->text).size());
        EXPECT_EQ(c.fits ? 1 : 0, line->pathCount);
        EXPECT_EQ(c.fits ? 0 : 1, line->leftOut);
    }
}

TEST(LaunchCommandLineTest, AShorterPathAfterOneThatDidNotFitIsStillTaken)
{
    auto line = NewLine();
    ASSERT_TRUE(StartLaunchCommandLine(line.get(), "C:\\T.exe"));
    const std::string longPath(30000, 'a');
    EXPECT_TRUE(AppendLaunchPath(line.get(), longPath.c_str()));
    EXPECT_FALSE(AppendLaunchPath(line.get(), longPath.c_str()));
    EXPECT_TRUE(AppendLaunchPath(line.get(), "C:\\b.txt"));
    CountLaunchPathLeftOut(line.get());
    EXPECT_EQ(2, line->pathCount);
    EXPECT_EQ(2, line->leftOut);
    EXPECT_EQ("\"C:\\b.txt\"", std::string(line->text).substr(line->length - 10));
}

TEST(LaunchCommandLineTest, AProgramPathThatLeavesNoRoomTakesNoPaths)
{
    auto line = NewLine();
    const std::string program(32765, 'p');
    EXPECT_FALSE(StartLaunchCommandLine(line.get(), program.c_str()));
    EXPECT_EQ(0u, line->length);
    EXPECT_STREQ("", line->text);
    EXPECT_FALSE(AppendLaunchPath(line.get(), "a"));
    EXPECT_EQ(0, line->pathCount);
    EXPECT_EQ(1, line->leftOut);
}

}  // namespace
