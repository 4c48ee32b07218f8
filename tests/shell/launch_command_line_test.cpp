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
    ASSERT_TRUE(StartLaunchCommandLine(line.get(), L"C:\\ツール\\Tagrin.exe"));
    // Blanks, brackets and names the code page lacks (é, ¥) stay as they are inside the quotes.
    const wchar_t* paths[] = {L"C:\\写真 2024\\表 紙.txt", L"D:\\caf\u00e9\\a\u00a5b", L"E:\\[予定] a.txt", L"F:\\"};
    for (const wchar_t* path : paths) EXPECT_TRUE(AppendLaunchPath(line.get(), path));
    const std::wstring expected =
        L"\"C:\\ツール\\Tagrin.exe\" \"C:\\写真 2024\\表 紙.txt\" \"D:\\caf\u00e9\\a\u00a5b\" \"E:\\[予定] a.txt\" \"F:\\\"";
    EXPECT_EQ(expected, line->text);
    EXPECT_EQ(expected.size(), line->length);
    EXPECT_EQ(4, line->pathCount);
    EXPECT_EQ(0, line->leftOut);
}

// The line with its NUL must stay within 32767 characters: 32766 of text fit, 32767 do not.
TEST(LaunchCommandLineTest, TakesPathsUpToTheLimitAndCountsTheRest)
{
    const struct {
        std::size_t pathLength;
        bool fits;
    } cases[] = {{32766 - 10 - 3, true}, {32766 - 10 - 2, false}};
    for (const auto& c : cases) {
        auto line = NewLine();
        ASSERT_TRUE(StartLaunchCommandLine(line.get(), L"C:\\T.exe"));  // 10 characters with its quotes
        const std::wstring path(c.pathLength, L'a');
        EXPECT_EQ(c.fits, AppendLaunchPath(line.get(), path.c_str())) << c.pathLength;
        EXPECT_EQ(c.fits ? 32766u : 10u, line->length);
        EXPECT_EQ(c.fits ? 32766u : 10u, std::wstring(line->text).size());
        EXPECT_EQ(c.fits ? 1 : 0, line->pathCount);
        EXPECT_EQ(c.fits ? 0 : 1, line->leftOut);
    }
}

TEST(LaunchCommandLineTest, AShorterPathAfterOneThatDidNotFitIsStillTaken)
{
    auto line = NewLine();
    ASSERT_TRUE(StartLaunchCommandLine(line.get(), L"C:\\T.exe"));
    const std::wstring longPath(30000, L'a');
    EXPECT_TRUE(AppendLaunchPath(line.get(), longPath.c_str()));
    EXPECT_FALSE(AppendLaunchPath(line.get(), longPath.c_str()));
    EXPECT_TRUE(AppendLaunchPath(line.get(), L"C:\\b.txt"));
    line->refused = 2;
    EXPECT_EQ(2, line->pathCount);
    EXPECT_EQ(1, line->leftOut);
    wchar_t message[1024] = {};
    FormatLaunchLeftOutMessage(*line, message, 1024);
    EXPECT_NE(std::wstring(message).find(L"選択された 5 個のうち 2 個は、名前に使えない"), std::wstring::npos)
        << message;
    EXPECT_NE(std::wstring(message).find(L"選択された 5 個のうち 1 個は、一度に"), std::wstring::npos) << message;
    EXPECT_EQ(L"\"C:\\b.txt\"", std::wstring(line->text).substr(line->length - 10));
}

TEST(LaunchCommandLineTest, AProgramPathThatLeavesNoRoomTakesNoPaths)
{
    auto line = NewLine();
    const std::wstring program(32765, L'p');
    EXPECT_FALSE(StartLaunchCommandLine(line.get(), program.c_str()));
    EXPECT_EQ(0u, line->length);
    EXPECT_EQ(L'\0', line->text[0]);
    EXPECT_FALSE(AppendLaunchPath(line.get(), L"a"));
    EXPECT_EQ(0, line->pathCount);
    EXPECT_EQ(1, line->leftOut);
}

}  // namespace
