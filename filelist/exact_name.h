#pragma once
#include <cstddef>

// Names reach the program as UTF-16 and are handled as code-page bytes. The ANSI calls convert through the
// code page's best-fit table (é as e, ¥ as '\'), which hands over the name of another file; these helpers
// take a name only when it comes through whole.

// UTF-16 buffers of the program: a text buffer's worth of characters, each one at least one byte.
constexpr std::size_t kWideTextSize = 1024;

// Converts wide to the ANSI code page, true only when every character has its own spelling there and the
// bytes convert back to the same text. When false, out holds the text with each unspellable character as
// '?' (never a best-fit stand-in), or is empty when even that does not fit in outSize bytes.
bool ToExactCodePage(const wchar_t* wide, char* out, std::size_t outSize);

// Whether an element of path other than "." and ".." ends in a dot or a blank: the platform drops those
// when it reads the path, and the path would name another file.
bool HasElementEndingInDotOrBlank(const wchar_t* path);

// Whether name (one element) holds a character Windows does not allow in a name: \ / : * ? " < > |
bool HasForbiddenNameCharacter(const wchar_t* name);
