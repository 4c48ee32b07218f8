#pragma once
#include <windows.h>

#include <string>

bool IsContextMenuRegistered();
// Each runs regsvr32 and waits for it with the dialog answering (busy gate closed); see the box handlers.
void RegisterContextMenu(HWND dialog);
void UnregisterContextMenu(HWND dialog);
void RunRegistrationTool(HWND dialog, const wchar_t* switches, const wchar_t* failureMessage);
// The full path of the shortcut in the user's Send To folder; empty when that folder cannot be found.
std::wstring SendToShortcutPath();
bool SendToShortcutExists();
void CreateSendToShortcut(HWND dialog);
void DeleteSendToShortcut(HWND dialog);
int SaveShellLink(const wchar_t* shortcutPath);
int OnContextMenuBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnSendToBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
// A box clicked while other work runs does nothing: it is set back to what is installed.
void ShowWhatIsInstalled(HWND dialog, int boxId);
