#pragma once

// The tag grammar over paths: only the file-name part is read or changed; a folder gives 0.
int ReadTagList(const char* path, char* out, const char* opening, const char* closing);
// Removes every occurrence of tag from the file name of src into out (1024 bytes). 1 when removed.
int RemoveTag(const char* src, const char* tag, char* out);
// RemoveTag with the bracket sets given, for a batch that reads the settings once.
int RemoveTagWithBrackets(const char* src, const char* tag, char* out, const char* opening, const char* closing);
