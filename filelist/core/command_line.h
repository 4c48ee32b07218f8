#pragma once

// Splits a path text (a command-line tail, as UTF-16) into path tokens.

#include <cstddef>

// Skips the units 0x01-0x20, then reads one token into token: a token that begins with '"'
// runs to the next '"' or the end, both quotes dropped; any other runs to the next space or
// the end. Returns where the scan goes on, or nullptr when no token is left.
// A token that does not fit in tokenSize units (its NUL included) is never cut, since a cut
// path can name another file: token is made empty and *fits is false, and the caller skips it.
// An absent text, an absent token or a tokenSize of 0 gives nullptr.
const wchar_t* NextPathToken(const wchar_t* text, wchar_t* token, std::size_t tokenSize, bool* fits);

// The tail of a whole command line (GetCommandLineW) as the platform's own start-up code hands it to WinMain:
// the program path is skipped (a quoted one runs to the next '"', an unquoted one to the first unit 0x00-0x20),
// then the blanks (0x01-0x20) after it. Points into commandLine; an absent command line gives "".
const wchar_t* CommandLineTail(const wchar_t* commandLine);
