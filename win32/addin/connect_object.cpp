#include "addin/velmora_class.hpp"

#include "com/com_boundary.hpp"

namespace velmora::win32 {

HRESULT VelmoraClass::create(REFIID iid, void** out) noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  return comBoundary(IID__VelmoraClass, [&]() -> HRESULT {
    auto* object = new VelmoraClass(makeAddinSession());
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  });
}

VelmoraClass::VelmoraClass(std::unique_ptr<AddinSession> session)
    : DualDispatch(server::moduleHandle(), kVelmoraTypeLib, IID__VelmoraClass),
      session_(std::move(session)), extensibility_(identity(), *session_),
      extensibility2_(identity(), *session_) {}

VelmoraClass::~VelmoraClass() = default;

HRESULT VelmoraClass::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, IID__VelmoraClass)) {
    *out = static_cast<_VelmoraClass*>(this);
  } else if (IsEqualIID(iid, IID_IDTExtensibility)) {
    *out = static_cast<IDTExtensibility*>(&extensibility_);
  } else if (IsEqualIID(iid, IID__IDTExtensibility2)) {
    *out = static_cast<_IDTExtensibility2*>(&extensibility2_);
  } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG VelmoraClass::AddRef() {
  return ++references_;
}

ULONG VelmoraClass::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) {
    delete this;
  }
  return remaining;
}

HRESULT VelmoraClass::InterfaceSupportsErrorInfo(REFIID iid) {
  const bool supported = IsEqualIID(iid, IID__VelmoraClass) ||
                         IsEqualIID(iid, IID_IDTExtensibility) ||
                         IsEqualIID(iid, IID__IDTExtensibility2);
  return supported ? S_OK : S_FALSE;
}

HRESULT VelmoraClass::sink(Button button, IDispatch** out) const noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = ComPtr(sinks_[button]).detach();
  return S_OK;
}

HRESULT VelmoraClass::setSink(Button button, IDispatch* sink) noexcept {
  sinks_[button] = ComPtr(sink);
  return S_OK;
}

// Assigning an object and setting a reference both keep the object itself.

HRESULT VelmoraClass::get_DimMenuHandler(IDispatch** h) {
  return sink(Dim, h);
}
HRESULT VelmoraClass::put_DimMenuHandler(IDispatch* h) {
  return setSink(Dim, h);
}
HRESULT VelmoraClass::putref_DimMenuHandler(IDispatch* h) {
  return setSink(Dim, h);
}
HRESULT VelmoraClass::get_PrivateMenuHandler(IDispatch** h) {
  return sink(Private, h);
}
HRESULT VelmoraClass::put_PrivateMenuHandler(IDispatch* h) {
  return setSink(Private, h);
}
HRESULT VelmoraClass::putref_PrivateMenuHandler(IDispatch* h) {
  return setSink(Private, h);
}
HRESULT VelmoraClass::get_PublicMenuHandler(IDispatch** h) {
  return sink(Public, h);
}
HRESULT VelmoraClass::put_PublicMenuHandler(IDispatch* h) {
  return setSink(Public, h);
}
HRESULT VelmoraClass::putref_PublicMenuHandler(IDispatch* h) {
  return setSink(Public, h);
}
HRESULT VelmoraClass::get_BasMenuHandler(IDispatch** h) {
  return sink(Bas, h);
}
HRESULT VelmoraClass::put_BasMenuHandler(IDispatch* h) {
  return setSink(Bas, h);
}
HRESULT VelmoraClass::putref_BasMenuHandler(IDispatch* h) {
  return setSink(Bas, h);
}
HRESULT VelmoraClass::get_SetteiMenuHandler(IDispatch** h) {
  return sink(Settei, h);
}
HRESULT VelmoraClass::put_SetteiMenuHandler(IDispatch* h) {
  return setSink(Settei, h);
}
HRESULT VelmoraClass::putref_SetteiMenuHandler(IDispatch* h) {
  return setSink(Settei, h);
}

} // namespace velmora::win32
