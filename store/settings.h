#pragma once

#include "tags/core/text_buffer.h"

// ".\設定.ini", read at the moment of use, never cached.
void ReadBracketSettings(TextBuffer& opening, TextBuffer& closing);
void ReadAddBrackets(TextBuffer& before, TextBuffer& after);
void ReadIntakeSettings(TextBuffer& extText, int* recurse);
void SaveIntakeSettings(const char* extText, int recurse);
