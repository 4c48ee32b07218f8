#pragma once

#include <string>

#include "store/text_form.h"

// The one rule for how a settings or history file reads, at start-up and before every write. A file that
// stands as Tagrin last left it (write_record.h) is Shift-JIS whatever its bytes, and is not even read. Any
// other is examined: with a mark, the mark tells. Without one it is UTF-8 only when it is valid UTF-8,
// Shift-JIS spells each of its characters, and it either is no valid Shift-JIS or holds a character at
// U+3000 or above, as Japanese typed in Notepad always does; else it is Shift-JIS as it stands. Valid UTF-8
// that is no valid Shift-JIS either stays Utf8, and its conversion fails. bytes gets what was read; false
// when the file is missing or cannot be read. Called under the store lock.
bool FormOfStoreFile(const char* fileName, std::string& bytes, TextForm& form);

// The text of a UTF-8 or UTF-16 file as UTF-16; false when it holds a broken sequence.
bool DecodeToWide(const std::string& bytes, TextForm form, std::wstring& wide);
