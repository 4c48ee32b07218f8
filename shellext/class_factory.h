#pragma once
#include <windows.h>
#include <objbase.h>

// The one class factory of the extension; it lives as long as the module, and holding it keeps the module loaded.
IClassFactory* TagMenuFactory();
