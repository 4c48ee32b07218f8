#pragma once
#include <string>
#include <vector>

#include "filelist/core/file_list_ops.h"

// Cell texts read back through the list operations, as the product reads them.
std::string CellText(const FileListOps& list, int row, int column);
// One column's texts, row by row.
std::vector<std::string> ColumnTexts(const FileListOps& list, int column);
