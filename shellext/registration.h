#pragma once
#include <windows.h>

// What regsvr32 writes and removes: the class key with its in-process server, and the context-menu handler
// entries for files and for folders.
HRESULT RegisterTagMenu();
HRESULT UnregisterTagMenu();
