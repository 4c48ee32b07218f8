#pragma once

// ".\設定.ini", read at the moment of use, never cached. Every buffer is 1024 bytes.
void ReadBracketSettings(char* opening, char* closing);
void ReadAddBrackets(char* before, char* after);
void ReadIntakeSettings(char* extText, int* recurse);
void SaveIntakeSettings(const char* extText, int recurse);
