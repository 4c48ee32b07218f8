#pragma once

#include <string>

#include "text/text_buffer.h"

// ".\設定.ini", read at the moment of use, never cached. A value is kept whole or not used: one longer than a
// text buffer holds counts as missing (its default), and the user is told once a run which key it is.
void ReadBracketSettings(TextBuffer& opening, TextBuffer& closing);
void ReadAddBrackets(TextBuffer& before, TextBuffer& after);

// The brackets of one Add or Delete, read together once per command: the sets that open and close a tag
// when a name is read (tag1, tag2) and the texts put around a tag that is added (addtag1, addtag2).
struct TagBrackets {
    TextBuffer opening;
    TextBuffer closing;
    TextBuffer before;
    TextBuffer after;
};
void ReadTagBrackets(TagBrackets& brackets);
// The keys of the added texts, as a message names them.
extern const char kAddBeforeKey[];
extern const char kAddAfterKey[];

// The intake settings as start-up read them. A value that could not be taken as it stands (too long, or an
// IsDir that is no number) counts as missing and gives the default; the close leaves such a key as it stands
// in the file unless the user changed its control.
struct IntakeSettings {
    TextBuffer extText;
    int recurse;
    bool extTaken;
    bool recurseTaken;
};
void ReadIntakeSettings(IntakeSettings& settings);
// Writes the filter and the recursion flag at close; read is what start-up read.
void SaveIntakeSettings(const char* extText, int recurse, const IntakeSettings& read);

// A whole decimal number from least to most, read as the intake keys are (blanks around it allowed); false when
// the key is missing or holds anything else, as a value too long, "12abc", "0x10" or one out of range.
bool ReadSettingsNumber(const char* section, const char* key, int least, int most, int* number);

// What the user is to be told of values too long to be used, each key once a run; empty when nothing new.
std::string TakeSettingsNotice();
