#pragma once

#include <cstddef>
#include <string>

// How a settings or history file is spelled, as far as its bytes alone tell: its mark, or whether it is
// valid UTF-8 holding a multi-byte character. Such a file may still be Shift-JIS (ﾎｼ is the valid UTF-8 of μ):
// ExaminedForm (store_encoding.h) decides between the two.
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
