#pragma once
#include <windows.h>

#include "tags/core/text_buffer.h"

bool IsContextMenuRegistered();
void RegisterContextMenu();
void UnregisterContextMenu();
void RunRegistrationTool(const char* parameterFormat, const char* failureMessage);
void GetSendToShortcutPath(TextBuffer& buffer);
bool SendToShortcutExists();
void CreateSendToShortcut();
void DeleteSendToShortcut();
int SaveShellLink(const char* shortcutPath);
int OnContextMenuBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
int OnSendToBox(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result);
