#pragma once
#include <windows.h>

// Work (Add, Delete, an intake) runs inside a message handler and looks at the queue as it goes, so a message
// sent from another thread or process reaches the dialog in the middle of it. The gate takes the few that
// would start or end work; every other message is handled as usual. While work runs:
// - a command of Add, Delete, the clear button or the check-all box is dropped;
// - a close (WM_CLOSE, the Close button) is remembered and carried out once, right after the work;
// - a drop's paths are copied and its handle finished at once; its intake runs right after the work.
// Input the user makes meanwhile is posted, not sent: it stays in the queue for the drain after the work.

// True when the gate took the message, which must then not be handled. Takes nothing while no work runs.
bool HoldForRunningWork(UINT message, WPARAM wParam);

// Carries out what the work that just ended held: each drop's intake in turn, then the close. Runs after
// every handler of the dialog once no work runs, and in a button's handler before its drain. Returns
// whether the dialog is still there.
bool RunHeldWork(HWND dialog);

// Lets go of what was held without carrying it out: the dialog is being destroyed.
void ForgetHeldWork();
