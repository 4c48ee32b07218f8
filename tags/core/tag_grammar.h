#pragma once

// The tag grammar over the file-name part of a path: the one walk over a name's tags, and reading,
// comparing, composing and removing tags on it. Pure byte work; the callers take the file-name part of a
// path and read the bracket settings.

#include <cstddef>

// One tag of a name as the walk finds it. An opening bracket pairs with the next closing one (brackets do
// not nest), and the blanks at both ends of the text between them are not part of the tag: "[ Memo ]"
// carries Memo.
struct TagOccurrence {
    const char* opening;  // first byte of the opening bracket
    const char* text;     // first byte of the tag, blanks before it passed over
    std::size_t length;   // bytes of the tag, blanks after it not counted; never 0
    const char* end;      // just past the closing bracket
};

// The first tag of name from scan on. An empty entry (a closing bracket before the opening one, "[]", a
// text of blanks only) is passed over, never the end of the tags. False when no tag follows.
bool FindNextTag(const char* scan, const char* opening, const char* closing, TagOccurrence* tag);

// Writes the tags of name into out, each ended by NUL, then one more NUL. Returns how many. The list takes
// at most strlen(name) + 1 bytes, so out must hold that many. Absent name or out: 0 and out is left as it was.
int ReadTagListFromName(const char* name, char* out, const char* opening, const char* closing);

// Whether the walk finds tag among the tags of name.
bool NameCarriesTag(const char* name, const char* tag, const char* opening, const char* closing);

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

// Whether the name Add writes reads back: for a sample name holding no bracket character, before + tag +
// after + the sample carries tag as the walk reads it with the bracket sets given, and removing tag gives
// the sample back. Added texts outside the sets (or with a bracket too many, or a trace beside the
// brackets) would write a tag that no later Add sees and no Delete takes away.
bool TaggedNameReadsBack(const char* before, const char* tag, const char* after, const char* opening,
                         const char* closing);
