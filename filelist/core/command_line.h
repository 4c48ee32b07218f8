#pragma once

// Splits a path text (a command-line tail, or one dropped path) into path tokens.

#include <cstddef>

// Skips the bytes 0x01-0x20, then reads one token into token: a token that begins with '"'
// runs to the next '"' or the end, both quotes dropped; any other runs to the next space or
// the end. Returns where the scan goes on, or nullptr when no token is left.
// A token that does not fit in tokenSize bytes (its NUL included) is never cut, since a cut
// path can name another file: token is made empty and *fits is false, and the caller skips it.
// An absent text, an absent token or a tokenSize of 0 gives nullptr.
const char* NextPathToken(const char* text, char* token, std::size_t tokenSize, bool* fits);

// The tail of a whole command line (GetCommandLineA) as the platform's own start-up code hands it to WinMain:
// the program path is skipped (a quoted one runs to the next '"', an unquoted one to the first byte 0x00-0x20),
// then the blanks (0x01-0x20) after it. Bytes compare unsigned, so a Shift-JIS lead byte (0x81 and up) in an
// unquoted program path stays inside the path. Points into commandLine; an absent command line gives "".
const char* CommandLineTail(const char* commandLine);
