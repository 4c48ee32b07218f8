#pragma once
#include <windows.h>

// Where regsvr32 writes the keys: a standard user can write only his own classes
// (HKEY_CURRENT_USER\Software\Classes); an elevated process writes them for every user of the machine.
enum class RegistrationScope { PerUser, MachineWide };

// Machine-wide for an elevated process, per user otherwise (also when the elevation cannot be told).
RegistrationScope ScopeOfThisProcess();

// What regsvr32 writes and removes: the class key with its in-process server, and the context-menu handler
// entries for files and for folders. Unregistering removes them from both scopes.
HRESULT RegisterTagMenu(RegistrationScope scope);
HRESULT UnregisterTagMenu();
