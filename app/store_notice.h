#pragma once
#include <windows.h>

// Tells the user, in one box, what the store has to say since the last time: settings too long to be used
// and the first failed write of the run. Nothing when there is nothing new.
void TellStoreNotices(HWND dialog);
