#pragma once
#include <windows.h>

#include "filelist/core/file_list_ops.h"

// Adds the paths of a path text (command-line tail or one dropped path) to control 1001 of dialog:
// folders are scanned through all levels when recurse is nonzero, files pass the extension filter.
void AddPathList(HWND dialog, const char* text, const char* extText, int recurse);

// AddPathList on any file list; it does not touch the window's redraw.
void AddPathsToList(FileListOps& list, const char* text, const char* extText, int recurse);
// Adds the files under folder that pass filter (a list built by BuildExtFilter), depth first, skipping
// hidden, temporary and dot-named entries and entries whose full path would be MAX_PATH bytes or more.
// A linked folder is entered unless it leads back to a folder the scan is already inside.
void ScanFolder(FileListOps& list, const char* folder, const char* filter);
