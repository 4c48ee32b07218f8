#pragma once
#include <windows.h>

// Each returns the number of files renamed.
int AddTagCommand(HWND dialog);
int DeleteTagCommand(HWND dialog);
