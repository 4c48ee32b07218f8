// Two instances of the real program on one program folder, closed at the same moment: both end with 0
// and the shared history holds every tag once, although the instances do not lock the file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "support/files.h"
#include "support/running_program.h"
#include "support/temp_folder.h"

namespace {

std::map<std::string, int> LineCounts(const std::string& text)
{
    std::map<std::string, int> counts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        ++counts[text.substr(start, end - start)];
        start = end + 2;
    }
    return counts;
}

TEST(TwoInstances, BothCloseWithZeroAndTheHistoryHoldsEachTagOnce)
{
    for (int round = 0; round < 3; ++round) {
        TempProgramFolder root;
        const std::string programFolder = root.Join("program");
        ASSERT_TRUE(MakeFolder(programFolder));
        ASSERT_TRUE(WriteFileBytes(programFolder + "\\タグ.txt", "甲\r\n"));
        std::string tails[2];
        const char* names[2][3] = {{"[甲]a.txt", "[乙]b.txt", "[共通]c.txt"},
                                   {"[乙]d.txt", "[丙]e.txt", "[共通]f.txt"}};
        for (int i = 0; i < 2; ++i) {
            for (const char* name : names[i]) {
                ASSERT_TRUE(WriteFileBytes(root.Join(name), name));
                tails[i] += "\"" + root.Join(name) + "\" ";
            }
        }
        RunningProgram first(programFolder, tails[0]);
        ASSERT_TRUE(first.WaitForWindow(30000));
        RunningProgram second(programFolder, tails[1]);
        ASSERT_TRUE(second.WaitForWindow(30000));

        // Both closes are posted before either is waited for.
        const long firstExit = first.CloseAndWait(0) == 0 ? 0 : -3;
        const long secondExit = second.CloseAndWait(30000);
        EXPECT_EQ(secondExit, 0);
        EXPECT_TRUE(firstExit == 0 || first.CloseAndWait(30000) == 0);

        const std::map<std::string, int> counts = LineCounts(ReadFileBytes(programFolder + "\\タグ.txt"));
        EXPECT_EQ(counts, (std::map<std::string, int>{{"甲", 1}, {"乙", 1}, {"丙", 1}, {"共通", 1}})) << round;
    }
}

}  // namespace
