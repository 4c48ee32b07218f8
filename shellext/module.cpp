#include "shellext/module.h"

HINSTANCE g_module = nullptr;

namespace {

LONG g_useCount = 0;

}  // namespace

void LockModule()
{
    InterlockedIncrement(&g_useCount);
}

void UnlockModule()
{
    InterlockedDecrement(&g_useCount);
}

bool IsModuleInUse()
{
    return InterlockedCompareExchange(&g_useCount, 0, 0) != 0;
}
