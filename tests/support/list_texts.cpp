#include "support/list_texts.h"

#include "filelist/path_intake.h"
#include "support/files.h"

#include "text/text_buffer.h"

std::string CellText(const FileListOps& list, int row, int column)
{
    char text[kTextBufferSize] = {};
    list.GetText(row, column, text, sizeof text);
    return text;
}

std::vector<std::string> ColumnTexts(const FileListOps& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.RowCount(); ++row) texts.push_back(CellText(list, row, column));
    return texts;
}

void IntakeText(FileListOps& list, const std::string& text, const char* ext, int recurse, LeftOutPaths* leftOut)
{
    static PathIntake intake;  // large: off the stack of the caller's thread
    static wchar_t here[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, here);
    if (StartPathIntake(&intake, ext, recurse, here)) AddPathText(list, &intake, Utf16(text).c_str());
    if (leftOut) *leftOut = intake.leftOut;
}
