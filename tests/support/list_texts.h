#pragma once
#include <string>
#include <vector>

#include "filelist/core/file_list_ops.h"

// Cell texts read back through the list operations, as the product reads them.
std::string CellText(const FileListOps& list, int row, int column);
// One column's texts, row by row.
std::vector<std::string> ColumnTexts(const FileListOps& list, int column);

struct LeftOutPaths;
// A command-line tail (code-page bytes, given as UTF-16 as the program gets it) through one intake into list;
// what was left out goes to leftOut when asked for.
void IntakeText(FileListOps& list, const std::string& text, const char* ext = "*", int recurse = 1,
                LeftOutPaths* leftOut = nullptr);
