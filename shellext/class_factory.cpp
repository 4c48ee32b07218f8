#include "shellext/class_factory.h"

#include <new>

#include "shellext/module.h"
#include "shellext/tag_menu.h"

namespace {

class TagMenuClassFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID interfaceId, void** object) override
    {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: its references only count towards keeping the module loaded.
    STDMETHODIMP_(ULONG) AddRef() override
    {
        LockModule();
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override
    {
        UnlockModule();
        return 1;
    }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID interfaceId, void** object) override
    {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        TagMenu* menu = new (std::nothrow) TagMenu();
        if (menu == nullptr) return E_OUTOFMEMORY;
        HRESULT result = menu->QueryInterface(interfaceId, object);
        menu->Release();
        return result;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock) {
            LockModule();
        } else {
            UnlockModule();
        }
        return S_OK;
    }
};

TagMenuClassFactory g_factory;

}  // namespace

IClassFactory* TagMenuFactory()
{
    return &g_factory;
}
