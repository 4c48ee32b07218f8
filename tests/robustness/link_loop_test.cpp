// A folder tree whose symbolic links lead back into it: the scan must end, list every real file once
// per way it can be reached without a loop, and still enter a link that leads somewhere else.
// The tree is made from the Linux side before the test (see tests.cmake), reached through drive Z:.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/core/file_list_model.h"
#include "filelist/core/memory_file_list.h"
#include "filelist/left_out_paths.h"
#include "filelist/path_intake.h"
#include "support/files.h"
#include "support/list_texts.h"
#include "text/text_buffer.h"

namespace {

std::string LoopTree()
{
    std::string path = "Z:" TAGRIN_LINK_LOOP_TREE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

struct Intake {
    MemoryFileList list;
    std::string text;
};

DWORD WINAPI RunIntake(void* argument)
{
    auto* intake = static_cast<Intake*>(argument);
    IntakeText(intake->list, intake->text);
    return 0;
}

TEST(LinkLoop, TheScanEndsAndListsWhatTheLinksReachWithoutALoop)
{
    const std::string tree = LoopTree();
    ASSERT_NE(GetFileAttributesA((tree + "\\sub\\up").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the link tree was not made: run through ctest";

    // The scan runs on a thread of its own so that a scan that never ends fails here instead of hanging.
    static Intake intake;
    intake.text = "\"" + tree + "\"";
    HANDLE thread = CreateThread(nullptr, 0, RunIntake, &intake, 0, nullptr);
    ASSERT_TRUE(thread);
    DWORD waited = WaitForSingleObject(thread, 60000);
    ASSERT_EQ(waited, WAIT_OBJECT_0) << "the scan did not end within 60 s";
    CloseHandle(thread);

    std::vector<std::string> locations;
    for (const std::string& location : ColumnTexts(intake.list, kColumnLocation)) {
        locations.push_back(location.substr(tree.size()));
    }
    std::sort(locations.begin(), locations.end());
    // up, up2 and self lead back into the tree; gone leads nowhere; beside leads out of it.
    EXPECT_EQ(locations, (std::vector<std::string>{"\\beside\\outside.txt", "\\sub\\f.txt", "\\top.txt"}));
}

// Names only Linux makes, scanned through drive Z:: none is listed as a path through other folders, and a
// name the file system would read as another (a final dot or blank) is left out with its folder's files.
TEST(LinuxNames, AScanListsOnlyNamesWindowsReadsBackAsTheyAre)
{
    std::string names = "Z:" TAGRIN_LINUX_NAMES;
    std::replace(names.begin(), names.end(), '/', '\\');
    MemoryFileList list;
    LeftOutPaths leftOut = {};
    IntakeText(list, "\"" + names + "\"", "*", 1, &leftOut);
    std::vector<std::string> rows = ColumnTexts(list, kColumnLocation);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{names + "\\abc", names + "\\album\\in.txt", names + "\\def"}));
    EXPECT_EQ(leftOut.count, 6);
    // Dropped, they follow the scan's rule: a name holding a double quote is left out, and one holding
    // backslashes looks like a path through other folders and is left out too.
    static PathIntake drop;
    ASSERT_TRUE(StartPathIntake(&drop, "*", 1, nullptr));
    MemoryFileList dropped;
    for (const char* name : {"\\q\"uote.txt", "\\x\\..\\..\\victim.txt"}) AddGivenPath(dropped, &drop, Utf16(names + name).c_str());
    EXPECT_EQ(ColumnTexts(dropped, kColumnLocation), std::vector<std::string>{});
    EXPECT_EQ(drop.leftOut.count, 2);
}

}  // namespace
