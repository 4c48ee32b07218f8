#pragma once
#include <windows.h>

#include "tags/core/text_buffer.h"

bool IsContextMenuRegistered();
void RegisterContextMenu();
void UnregisterContextMenu();
void RunRegistrationTool(const wchar_t* switches, const wchar_t* failureMessage);
void GetSendToShortcutPath(TextBuffer& buffer);
bool SendToShortcutExists();
void CreateSendToShortcut();
void DeleteSendToShortcut();
int SaveShellLink(const char* shortcutPath);
int OnContextMenuBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnSendToBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
