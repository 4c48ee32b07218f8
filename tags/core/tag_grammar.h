#pragma once

// The tag grammar over the file-name part of a path: reading the tags of a name,
// comparing tags, composing a tagged name and removing a tag. Pure byte work;
// the callers take the file-name part of a path and read the bracket settings.

#include <cstddef>

// Writes the tag list of name into out: the tag texts found between an opening and a
// closing bracket, each ended by NUL, then one more NUL. Returns the number of entries
// (empty ones included). The list takes at most strlen(name) + 1 bytes, so out must hold
// that many. Absent name or out: 0 and out is left as it was.
int ReadTagListFromName(const char* name, char* out, const char* opening, const char* closing);

// Whether two tag texts are the same tag: single-byte ASCII letters fold, double-byte
// characters must match exactly. Absent texts are never equal.
bool TagEquals(const char* a, const char* b);

// Writes before + tag + after + name into out. When the result does not fit in outSize
// bytes (its NUL included) out becomes empty and the result is false.
bool ComposeTaggedName(const char* before, const char* tag, const char* after, const char* name, char* out,
                       std::size_t outSize);

// Removes, in place, every occurrence of tag under any pair of brackets, then trims blanks
// from both ends of the name. Returns 1 when an occurrence was removed, else 0. An absent
// argument or an empty tag leaves the name as it is and gives 0.
int RemoveTagFromName(char* name, const char* tag, const char* opening, const char* closing);
