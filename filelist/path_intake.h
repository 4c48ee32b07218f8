#pragma once
#include <windows.h>

#include "filelist/core/file_list_ops.h"
#include "filelist/left_out_paths.h"
#include "filelist/list_view_ops.h"
#include "text/text_buffer.h"

// One intake (the command line at start-up, or one drop): its filter and recursion flag, the folder that
// relative paths resolve against, and the paths it left out, which the user is told of once at the end.
struct PathIntake {
    char filter[kTextBufferSize + 2];
    int recurse;
    const wchar_t* startFolder;  // null: a drop, whose paths must be whole as given
    LeftOutPaths leftOut;
};

// Builds the filter; false when it cannot be built whole, and then the intake takes nothing: a cut filter
// would take other files than the text names.
bool StartPathIntake(PathIntake* intake, const char* extText, int recurse, const wchar_t* startFolder);

// Adds one path as the user gave it (UTF-16) by the rule of names and paths that a scan follows: a prefixed
// form (\\?\, \\.\) made plain, then made whole (resolved against the start folder, short elements expanded)
// and converted exactly, else left out with its reason, as is a path that names nothing. A folder is scanned
// through all levels when the intake recurses; a file passes the extension filter.
void AddGivenPath(FileListOps& list, PathIntake* intake, const wchar_t* path);

// AddGivenPath for every path token of a text (a command-line tail).
void AddPathText(FileListOps& list, PathIntake* intake, const wchar_t* text);

// Adds the files under folder (an exact path) that pass the intake's filter, depth first, skipping hidden,
// temporary and dot-named entries. An entry whose name the code page cannot spell exactly or that breaks the
// rule of names and paths is left out (a folder so named is not searched). A linked folder is entered unless
// it leads back to a folder the scan is already inside.
void ScanFolder(FileListOps& list, PathIntake* intake, const char* folder);

// The dialog's list with its redraw off while an intake fills it (with redraw on, every insert costs a
// repaint), back on with one repaint at the end.
class ListIntake {
public:
    explicit ListIntake(HWND dialog);
    ~ListIntake();
    ListIntake(const ListIntake&) = delete;
    ListIntake& operator=(const ListIntake&) = delete;
    FileListOps& List() { return list_; }

private:
    ListViewOps list_;
};
