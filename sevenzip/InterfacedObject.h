#pragma once
#include <unknwn.h>

namespace sevenzip {

// The reference-counted base of objects handed out through interfaces. The
// count starts at zero; each reference taken adds one, and the object
// destroys itself when the last one is released. Counts change by interlocked
// operations because the library may release its references on a thread of
// its own.
class TInterfacedObject : public IUnknown {
public:
    TInterfacedObject() = default;
    TInterfacedObject(const TInterfacedObject &) = delete;
    TInterfacedObject &operator=(const TInterfacedObject &) = delete;
    virtual ~TInterfacedObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid != IID_IUnknown) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IUnknown *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG count = InterlockedDecrement(&refCount_);
        if (count == 0)
            delete this;
        return static_cast<ULONG>(count);
    }

private:
    LONG refCount_ = 0;
};

} // namespace sevenzip
