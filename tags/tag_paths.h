#pragma once

#include "text/text_buffer.h"

// The tag grammar over paths: only the file-name part is changed. A folder standing at the path is the move's to
// refuse, where the file is opened (identified_move.h).
// Removes every occurrence of tag from the file name of src into out. 1 when removed.
int RemoveTag(const char* src, const char* tag, TextBuffer& out);
// RemoveTag with the bracket sets given, for a batch that reads the settings once.
int RemoveTagWithBrackets(const char* src, const char* tag, TextBuffer& out, const char* opening, const char* closing);
