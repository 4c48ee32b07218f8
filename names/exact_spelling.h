#pragma once
#include <cstddef>
#include <string>

// Names and texts reach the program as UTF-16 and are handled as code-page bytes. The ANSI calls convert
// through the code page's best-fit table (é as e, ¥ as '\'), which hands over the name of another file or
// changes a file's meaning; this is the one conversion the program makes into the code page, and it takes a
// text only when the text comes through whole.

// UTF-16 buffers of the program: a text buffer's worth of characters, each one at least one byte.
constexpr std::size_t kWideTextSize = 1024;

// The code page of every byte text of the program, named wherever bytes and UTF-16 meet: the process's own
// code page is pinned to it by the manifest, or the start is refused, but a conversion never relies on that.
constexpr unsigned kShiftJis = 932;

// Converts wide to the code page, true only when every character has its own spelling there and the
// bytes convert back to the same text. When false, out holds the text with each unspellable character as
// '?' (never a best-fit stand-in), or is empty when even that does not fit in outSize bytes.
bool ToExactCodePage(const wchar_t* wide, char* out, std::size_t outSize);

// The same for a whole text, which may hold NULs (a file's contents): bytes gets the spelling; false when
// any character has none.
bool ToExactCodePage(const std::wstring& wide, std::string& bytes);

// Whether code-page bytes read as text: no lone lead byte, no byte the code page does not assign. Bytes that
// do not would name another file than the one they spell.
bool IsCodePageText(const char* bytes);
