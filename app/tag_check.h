#pragma once
#include <windows.h>

#include "store/settings.h"
#include "text/text_buffer.h"

// Reads the tag typed or picked in the tag box and the brackets of the command, and checks them: a tag is
// written exactly as typed or not at all, and Add writes only a name the bracket sets read back. tag gets the
// trimmed tag (empty: nothing to do). When they are refused, the results are cleared, nothing is renamed, the
// user is told why in one box, and the result is false.
bool TakeTag(HWND dialog, bool adds, TextBuffer& tag, TagBrackets& brackets);
