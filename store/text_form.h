#pragma once

#include <cstddef>
#include <string>

// How a hand-edited settings or history file is spelled, told from its bytes alone. Notepad saves UTF-8
// without a mark unless told otherwise; valid UTF-8 with a multi-byte character is practically never
// Shift-JIS text, while Shift-JIS with Japanese text is practically never valid UTF-8.
enum class TextForm {
    ShiftJis,  // no mark, and not UTF-8 holding a multi-byte character: read as it stands
    Utf8,      // valid UTF-8 without a mark, holding at least one multi-byte sequence
    Utf8WithMark,
    Utf16LeWithMark,
    Utf16BeWithMark,
};

TextForm DetectTextForm(const std::string& bytes);

// Bytes of the mark a file of that form starts with.
std::size_t MarkLength(TextForm form);

// Puts a CR before every LF that has none. LF is never the second byte of a Shift-JIS character, so the
// bytes are walked one by one; a lone CR stays as it is (the history reads it as part of its line).
std::string WithCrLfLineEnds(const std::string& text);
