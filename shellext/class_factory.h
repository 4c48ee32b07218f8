#pragma once
#include <windows.h>

// The one class factory of the extension; it lives as long as the module, and holding it keeps the module loaded.
IClassFactory* TagMenuFactory();
