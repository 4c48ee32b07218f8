#pragma once
#include <windows.h>

#include "store/settings.h"

enum class TagCommand { kAdd, kDelete, kUndo };

// Runs one command over the dialog's list: every result cleared first, then Add or Delete of tag (already
// trimmed and checked; empty: nothing is renamed) or 元に戻す, each row showing its result, then the count. The
// brackets are those read once for the command. Returns the number of files renamed.
int RunTagCommand(HWND dialog, TagCommand command, const char* tag, const TagBrackets& brackets);
