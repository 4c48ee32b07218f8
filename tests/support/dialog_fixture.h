#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "support/list_texts.h"
#include "support/temp_folder.h"
#include "support/window_input.h"

// The real main dialog, created from the test executable's own copy of template 101 inside a temporary
// program folder (the current directory), with a command-line tail. Destroyed with the fixture if still open.
class DialogUnderTest {
public:
    explicit DialogUnderTest(const char* commandTail = "");
    ~DialogUnderTest();

    HWND Window() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    std::string ItemText(int id) const;
    // Sends WM_CLOSE and takes the WM_QUIT that the destroy posts; returns its exit code, or -1 if none came.
    int Close();

private:
    HWND dialog_;
};

// The texts of one column of the dialog's file list, row by row.
std::vector<std::string> ColumnTexts(HWND dialog, int column);

// Files made in "<program folder>\files", each holding its own name, and the command-line tail that lists
// them, each path quoted.
struct ListedFiles {
    ListedFiles(const TempProgramFolder& program, std::initializer_list<const char*> names);
    std::string At(const std::string& name) const { return folder + "\\" + name; }
    std::vector<std::string> Locations(const std::vector<std::string>& names) const;
    std::string folder;
    std::string tail;
};
