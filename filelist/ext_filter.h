#pragma once

// The extension filter of the intake: entries separated by ';' in the text, as a list of
// NUL-terminated entries ended by an empty one.

#include <cstddef>

// Copies extText into out with every ';' made NUL, then writes two NULs: strlen(extText) + 2
// bytes, the number returned. When out cannot hold them (or an argument is absent) nothing is
// written and the result is 0: a cut list would accept other extensions than the text names.
std::size_t BuildExtFilter(const char* extText, char* out, std::size_t outSize);

// Whether a file passes the filter: every file when the filter's first byte is NUL or '*';
// otherwise the extension of the file-name part (after its last '.') must equal one of the
// entries before the first empty one, ignoring the case of single-byte ASCII letters.
// Absent arguments give false.
bool MatchExtFilter(const char* filter, const char* nameOrPath);
