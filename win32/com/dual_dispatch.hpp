#pragma once

#include "com/embedded_type_info.hpp"

#include <oleauto.h>
#include <windows.h>

namespace velmora::win32 {

// The IDispatch half of a dual interface, answered from the interface's type information:
// names map to DISPIDs and Invoke calls the vtable half of the same object.
template <typename Interface> class DualDispatch : public Interface {
public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 1;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID /*lcid*/, ITypeInfo** info) override {
    if (info == nullptr) {
      return E_POINTER;
    }
    *info = nullptr;
    if (index != 0) {
      return DISP_E_BADINDEX;
    }
    return typeInfo_.get(info);
  }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID /*lcid*/,
                                          DISPID* ids) override {
    if (!IsEqualIID(riid, IID_NULL)) {
      return DISP_E_UNKNOWNINTERFACE;
    }
    ComPtr<ITypeInfo> info;
    const HRESULT result = typeInfo_.get(info.put());
    if (FAILED(result)) {
      return result;
    }
    return info->GetIDsOfNames(names, count, ids);
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID /*lcid*/, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override {
    if (!IsEqualIID(riid, IID_NULL)) {
      return DISP_E_UNKNOWNINTERFACE;
    }
    ComPtr<ITypeInfo> info;
    const HRESULT loaded = typeInfo_.get(info.put());
    if (FAILED(loaded)) {
      return loaded;
    }
    return info->Invoke(static_cast<Interface*>(this), member, flags, params, result, exception,
                        argumentError);
  }

  // COM objects end in their Release; the destructor is virtual only for the derived classes.
  virtual ~DualDispatch() = default;

protected:
  DualDispatch(HMODULE module, int typeLibResource, const IID& iid) noexcept
      : typeInfo_(module, typeLibResource, iid) {}
  DualDispatch(const DualDispatch&) = delete;
  DualDispatch& operator=(const DualDispatch&) = delete;

private:
  EmbeddedTypeInfo typeInfo_;
};

} // namespace velmora::win32
