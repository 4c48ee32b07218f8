// Shared by the benchmarks that drive the real main dialog: a clock, a shown dialog in a program folder
// of its own, and rows put straight into its list. Header only, since every *_bench.cpp is one executable.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "app/main_dialog.h"
#include "filelist/core/file_list_model.h"
#include "filelist/list_view_ops.h"

inline double BenchSeconds()
{
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Paints what is due and dispatches every waiting message (a WM_QUIT left by a closed dialog is dropped).
inline void BenchPaintNow(HWND window)
{
    if (IsWindow(window)) UpdateWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// The files under a folder, counted with the plain ANSI walk the intake figures are set against.
inline unsigned BenchWalk(const std::string& folder)
{
    unsigned files = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (entry.cFileName[0] == '.') continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files += BenchWalk(folder + "\\" + entry.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return files;
}

// Removes a folder of generated files with everything under it.
inline void BenchRemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (entry.cFileName[0] == '.') continue;
            const std::string path = folder + "\\" + entry.cFileName;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                BenchRemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

// The architecture measured, printed with every figure.
inline const char* BenchArch()
{
    return sizeof(void*) == 8 ? "x64" : "x86";
}

// Row counts from the command line, or the defaults.
inline std::vector<int> BenchCounts(int argc, char** argv)
{
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {10000, 100000};
    return counts;
}

// A fresh folder under the temporary directory, made the current directory, so that the dialog's
// ".\設定.ini" and ".\タグ.txt" land there.
inline std::string BenchProgramFolder(const char* name, int count)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string folder =
        std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(count);
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    return folder;
}

// Leaves the program folder and removes it with the files the dialog wrote there.
inline void BenchRemoveProgramFolder(const std::string& folder)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    SetCurrentDirectoryA(temp);
    DeleteFileA((folder + "\\設定.ini").c_str());
    DeleteFileA((folder + "\\タグ.txt").c_str());
    RemoveDirectoryA(folder.c_str());
}

// The real main dialog, initialised with an empty command line and painted.
inline HWND BenchOpenDialog()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const StartUp start = {L"", L"", nullptr};
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                     MainDialogProc, reinterpret_cast<LPARAM>(&start));
    if (!dialog) {
        std::fprintf(stderr, "cannot create the dialog (error %lu)\n", GetLastError());
        std::exit(3);
    }
    BenchPaintNow(dialog);
    return dialog;
}

// Appends rows for the locations with redraw off, as a large intake does, then paints once.
inline void BenchFillRows(HWND dialog, const std::vector<std::string>& locations)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    SendMessageA(list.Window(), WM_SETREDRAW, FALSE, 0);
    for (const std::string& location : locations) AppendFileRow(list, location.c_str());
    SendMessageA(list.Window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list.Window(), nullptr, TRUE);
    BenchPaintNow(dialog);
}

// Reads one column of every row, as the baselines do.
inline std::vector<std::string> BenchReadColumn(HWND dialog, int column)
{
    ListViewOps list = ListViewOps::OfDialog(dialog);
    const int rows = list.RowCount();
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        char text[1024] = {};
        list.GetText(row, column, text, sizeof text);
        texts.push_back(text);
    }
    return texts;
}
