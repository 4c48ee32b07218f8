#pragma once

#include <string>

// Called once at start-up, before either file is read: ".\設定.ini" and ".\タグ.txt", when Notepad saved
// them in UTF-8 or UTF-16, are rewritten in Shift-JIS with CR LF line ends; a Shift-JIS file is never
// touched. A file that cannot be converted is left as it is and held back for the run. Gives the text
// that tells the user which file could not be read, why, and how to save it; empty when all is well.
std::string ConvertStoreFilesToShiftJis();
