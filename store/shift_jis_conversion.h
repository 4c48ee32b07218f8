#pragma once

#include <string>

// Called once at start-up, before either file is read: ".\設定.ini" and ".\タグ.txt", when Notepad saved
// them in UTF-8 or UTF-16 (store_encoding.h tells), are rewritten in Shift-JIS with CR LF line ends, the
// original kept beside as "<name>.bak"; a Shift-JIS file, and any that Tagrin left as it is, is never
// touched. A file that cannot be converted, or whose original cannot be kept, is left as it is and held back
// for the run. Gives the text that tells the user which file could not be read, why, and what to do; empty
// when all is well.
std::string ConvertStoreFilesToShiftJis();
