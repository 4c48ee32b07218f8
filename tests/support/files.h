#pragma once
#include <windows.h>

#include <string>
#include <vector>

// File helpers for tests; names and contents are raw bytes (Shift-JIS in this build).
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);  // a file, not a folder
bool FolderExists(const std::string& path);
bool MakeFolder(const std::string& path);  // creates missing parents as well
// Waits at most `milliseconds` for a file or folder to appear, handling this thread's messages meanwhile
// (another process, or this thread's own windows, may be the one that makes it).
bool WaitForFile(const std::string& path, DWORD milliseconds);
// A text as Notepad saves it in UTF-16: the byte-order mark, then each character low byte first, or high
// byte first when bigEndian.
std::string Utf16WithMark(const std::u16string& text, bool bigEndian = false);
// Code-page bytes as UTF-16, and a file made through the wide calls under a name the code page may lack.
std::wstring Utf16(const std::string& bytes);
bool WriteFileWide(const std::wstring& path, const std::string& bytes);
std::string ReadFileWide(const std::wstring& path);
// The names in a folder (no "." and ".."), sorted, as code-page bytes.
std::vector<std::string> FolderNames(const std::string& folder);
// The file a shortcut opens, as Explorer opens it: through its item list, whose names are UTF-16 (Wine's GetPath
// reads only the shortcut's ANSI copy of the path). Empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& shortcut);
// Makes a copy of an executable ask for another process code page: its own manifest with "ja-JP" changed, or,
// when it has none, one that asks for that alone.
bool AskForCodePage(const std::wstring& exe, const char* codePage);
