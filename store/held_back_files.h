#pragma once

// Settings and history files that start-up could not turn into Shift-JIS. Each is left exactly as it is
// for the whole run: nothing is read from it (the settings give their defaults, the history is empty)
// and nothing is written to it.
void HoldBack(const char* fileName);
bool IsHeldBack(const char* fileName);

// Whether a settings or history write may go to the file now: it is not held back and, when it exists,
// it is as Tagrin left it or start-up's rule reads it as Shift-JIS. A file saved again in another encoding
// while the program runs would otherwise end up holding two. Asked under the store lock.
bool MayWriteStoreFile(const char* fileName);
