#pragma once
#include <windows.h>

// Each returns the number of files renamed.
int AddTagCommand(HWND dialog);
int DeleteTagCommand(HWND dialog);
// Puts back the renames of the last Add or Delete; returns the number of files put back.
int UndoCommand(HWND dialog);
