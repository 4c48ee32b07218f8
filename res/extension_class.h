#pragma once
#include <windows.h>

// The class of the context-menu extension and the keys that name it: ShellExt.dll registers them, the program
// tests for the class key, the tests load the class and look at the keys.
#define TAGRIN_EXTENSION_CLASS_ID "{9D4B0C7D-8E5E-4a63-9103-8E3D787979B4}"

inline constexpr CLSID kExtensionClassId = {
    0x9D4B0C7D, 0x8E5E, 0x4a63, {0x91, 0x03, 0x8E, 0x3D, 0x78, 0x79, 0x79, 0xB4}};
inline constexpr char kExtensionClassIdText[] = TAGRIN_EXTENSION_CLASS_ID;
// Under a classes root (HKEY_CLASSES_ROOT, or the Software\Classes key of the user or the machine).
inline constexpr char kExtensionClassKey[] = "CLSID\\" TAGRIN_EXTENSION_CLASS_ID;
inline constexpr char kExtensionServerKey[] = "CLSID\\" TAGRIN_EXTENSION_CLASS_ID "\\InprocServer32";
inline constexpr char kFileHandlerKey[] = "*\\shellex\\ContextMenuHandlers\\Tagrin";
inline constexpr char kFolderHandlerKey[] = "Directory\\shellex\\ContextMenuHandlers\\Tagrin";
