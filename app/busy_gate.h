#pragma once
#include <windows.h>

// Work (Add, Delete, 元に戻す, an intake) runs inside a message handler and looks at the queue as it goes, so a
// message sent from another thread or process reaches the dialog in the middle of it. The gate takes the few
// that would start or end work; every other message is handled as usual. While work runs:
// - a command of Add, Delete, 元に戻す or the clear button is dropped;
// - a command of the check-all box is dropped, and the box, which turned its check over before it sent the
//   command, is set back to match the rows; so is one of the two shell-integration boxes, set back to what is
//   installed;
// - a close (WM_CLOSE, the Close button) is held and carried out once, right after the work;
// - a drop's paths are copied and its handle finished at once; its intake runs right after the work, unless a
//   close was held too, which drops it.
// Input the user makes meanwhile is posted, not sent: it stays in the queue for the drain after the work.

// True when the gate took the message, which must then not be handled. Takes nothing while no work runs.
bool HoldForRunningWork(HWND dialog, UINT message, WPARAM wParam);

// Carries out what the work that just ended held: the close, letting the drops go, or else each drop's intake
// in turn. Runs after every handler of the dialog once no work runs, and in a button's handler before its
// drain. Returns whether the dialog is still there.
bool RunHeldWork(HWND dialog);

// Lets go of what was held without carrying it out: the dialog is being destroyed.
void ForgetHeldWork();
