#pragma once
#include <windows.h>

// Tells the user, in one box over the dialog, of the first settings or history write of the run that failed;
// once a run, so a later batch or the close says nothing more. Never called while the session ends.
void TellFailedWrite(HWND dialog);
