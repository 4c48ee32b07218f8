#pragma once
#include <string>

// A fresh folder under the temporary directory that is the current directory while the object lives,
// standing in for the program folder (where ".\設定.ini" and ".\タグ.txt" resolve). Removed with all it holds.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    // The folder's full path, without a trailing separator.
    const std::string& Path() const { return path_; }
    // Path() joined with a relative name.
    std::string Join(const std::string& name) const;

private:
    std::string path_;
    std::string previous_;
};

// Removes a file or a folder tree; attributes such as read-only are cleared first.
void RemoveTree(const std::string& path);
