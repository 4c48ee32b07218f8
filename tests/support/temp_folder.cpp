#include "support/temp_folder.h"

#include <windows.h>

#include <cstdio>

TempProgramFolder::TempProgramFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    char current[1024] = {};
    GetCurrentDirectoryA(sizeof current, current);
    previous_ = current;
    static unsigned counter = 0;
    for (;;) {
        char name[1024];
        std::snprintf(name, sizeof name, "%stagrin-test-%lu-%u", temp, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            path_ = name;
            break;
        }
    }
    SetCurrentDirectoryA(path_.c_str());
}

TempProgramFolder::~TempProgramFolder()
{
    SetCurrentDirectoryA(previous_.c_str());
    RemoveTree(path_);
}

std::string TempProgramFolder::Join(const std::string& name) const
{
    return path_ + "\\" + name;
}

void RemoveTree(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}
