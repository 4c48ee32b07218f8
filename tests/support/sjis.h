#pragma once
#include <string>

// File helpers for tests; names and contents are raw bytes (Shift-JIS in this build).
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);      // a file, not a folder
bool FolderExists(const std::string& path);
bool MakeFolder(const std::string& path);       // creates missing parents as well
