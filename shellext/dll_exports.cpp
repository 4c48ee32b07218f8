// The entry points through which COM and regsvr32 reach the extension.
#include <windows.h>
#include <olectl.h>

#include "shellext/class_factory.h"
#include "shellext/module.h"
#include "shellext/registration.h"
#include "res/extension_class.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID interfaceId, LPVOID* object)
{
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, kExtensionClassId)) return CLASS_E_CLASSNOTAVAILABLE;
    return TagMenuFactory()->QueryInterface(interfaceId, object);
}

STDAPI DllCanUnloadNow()
{
    return IsModuleInUse() ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer()
{
    return RegisterTagMenu(ScopeOfThisProcess());
}

STDAPI DllUnregisterServer()
{
    return UnregisterTagMenu();
}
