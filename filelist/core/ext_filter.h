#pragma once

// The extension filter of the intake: entries separated by ';' in the text, as a list of
// NUL-terminated entries ended by an empty one.

#include <cstddef>

// Splits extText at every ';' into out as NUL-terminated entries, each cut of blanks at both ends and of
// a leading "*." or "." (so " *.jpg " and ".jpg" are the entry jpg), empty entries passed over, then ends
// the list with an empty entry. The list takes at most strlen(extText) + 2 bytes; that many are written,
// zero-filled after the list, and returned. When out cannot hold them (or an argument is absent) nothing is
// written and the result is 0: a cut list would accept other extensions than the text names.
std::size_t BuildExtFilter(const char* extText, char* out, std::size_t outSize);

// Whether a file passes the filter: every file when the list has no entry, or an entry beginning with '*'
// ("*", or "*.*" once its "*." is cut); otherwise the extension of the file-name part (after its last '.')
// must equal one of the entries, ignoring the case of single-byte ASCII letters. Absent arguments give false.
bool MatchExtFilter(const char* filter, const char* nameOrPath);
