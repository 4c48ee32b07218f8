#pragma once

// Settings and history files that start-up could not turn into Shift-JIS. Each is left exactly as it is
// for the whole run: nothing is read from it (the settings give their defaults, the history is empty)
// and nothing is written to it.
void HoldBack(const char* fileName);
bool IsHeldBack(const char* fileName);

// Whether a settings or history write may go to the file now: it is not held back and, when it exists,
// it reads as Shift-JIS. A file saved again in another encoding while the program runs would otherwise
// end up holding two.
bool MayWriteStoreFile(const char* fileName);
