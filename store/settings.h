#pragma once

#include "tags/core/text_buffer.h"

// ".\設定.ini", read at the moment of use, never cached.
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

void ReadIntakeSettings(TextBuffer& extText, int* recurse);
void SaveIntakeSettings(const char* extText, int recurse);
