#include "shellext/module.h"

const CLSID kTagMenuClassId = {0x9D4B0C7D, 0x8E5E, 0x4a63, {0x91, 0x03, 0x8E, 0x3D, 0x78, 0x79, 0x79, 0xB4}};
const char kTagMenuClassIdText[] = "{9D4B0C7D-8E5E-4a63-9103-8E3D787979B4}";
HINSTANCE g_module = nullptr;

namespace {

LONG g_useCount = 0;

}  // namespace

void LockModule() {
    InterlockedIncrement(&g_useCount);
}

void UnlockModule() {
    InterlockedDecrement(&g_useCount);
}

bool IsModuleInUse() {
    return InterlockedCompareExchange(&g_useCount, 0, 0) != 0;
}
