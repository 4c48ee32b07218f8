#pragma once
#include <windows.h>

#include <cstdio>

// Reads the next line (at most 1022 bytes) into a 1024-byte buffer, trailing CR and LF removed.
// False at the end of the file.
bool ReadHistoryLine(std::FILE* stream, char* buffer);
// Empties the tag combo box (1003) and adds every line of ".\タグ.txt".
void LoadTagHistory(HWND dialog);
// Appends tag as a new last line unless the file already holds exactly that line.
void AppendTagToHistory(const char* fileName, const char* tag);
