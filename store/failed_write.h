#pragma once
#include <windows.h>

#include <string>

// The first settings or history write of the run that failed: which file and why, for the user. A write
// that is not tried (a file held back at start-up, whose own message was given, or one saved in another
// encoding meanwhile) is no failed write.
void NoteFailedWrite(const char* fileName, DWORD error);

// The message about that write, once a run: empty when no write failed, or when it has been taken before.
std::string TakeFailedWriteMessage();
