#pragma once

#include <string>

// Reads the whole file into bytes; false when it is missing or cannot be opened or read.
bool ReadWholeFile(const char* fileName, std::string& bytes);

// Writes bytes in full to a new file beside fileName and puts it in fileName's place in one step, so
// that a crash leaves the old file or the new one, never a part of either. False when the old file is
// left as it was.
bool ReplaceWholeFile(const char* fileName, const std::string& bytes);
