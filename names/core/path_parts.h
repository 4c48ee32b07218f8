#pragma once

// The parts of a path in the code page, as one rule finds them for the whole program: its file-name part (the
// only part a rename changes), the extension the filter judges, and a folder joined with a name. Walked
// character by character from the start: 0x5C '\\' can be the second byte of a character.

#include <cstddef>

// The file-name part of a path, found as PathFindFileNameA does under code page 932: the text after the last
// '\\', '/' or ':' character that is followed by a byte other than NUL, '\\' and '/'. nullptr for an absent path.
const char* FindFileNamePart(const char* path);
char* FindFileNamePart(char* path);
// Where the file-name part of a path begins: a new location keeps everything before it, so a rename never
// leaves the file's folder.
std::size_t FileNamePartOffset(const char* path);

// The last '.' of a path after its last '\\' or ' ', as PathFindExtensionA finds it, or the terminating NUL
// when there is none. nullptr for an absent path.
const char* FindExtension(const char* path);

// folder (of folderCharacters characters) and name with one separator between them, as PathAppendA joins
// them. False, with nothing usable in out, when the result would be longer than the file calls take.
bool JoinPath(const char* folder, std::size_t folderCharacters, const char* name, char* out, std::size_t outSize);
