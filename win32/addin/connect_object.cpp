#include "addin/connect_object.hpp"

#include "com/com_boundary.hpp"

#include <new>

namespace velmora::win32 {

HRESULT ConnectObject::create(REFIID iid, void** out) noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  return comBoundary(IID__VelmoraClass, [&]() -> HRESULT {
    auto* object = new (std::nothrow) ConnectObject();
    if (object == nullptr) {
      return E_OUTOFMEMORY;
    }
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  });
}

ConnectObject::ConnectObject()
    : DualDispatch(server::moduleHandle(), kVelmoraTypeLib, IID__VelmoraClass),
      session_(makeAddinSession(*this)), extensibility_(identity(), *session_),
      extensibility2_(identity(), *session_) {}

ConnectObject::~ConnectObject() = default;

HRESULT ConnectObject::QueryInterface(REFIID iid, void** out) {
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

ULONG ConnectObject::AddRef() {
  return ++references_;
}

ULONG ConnectObject::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) {
    delete this;
  }
  return remaining;
}

HRESULT ConnectObject::InterfaceSupportsErrorInfo(REFIID iid) {
  const bool supported = IsEqualIID(iid, IID__VelmoraClass) ||
                         IsEqualIID(iid, IID_IDTExtensibility) ||
                         IsEqualIID(iid, IID__IDTExtensibility2);
  return supported ? S_OK : S_FALSE;
}

HRESULT ConnectObject::sink(Button button, IDispatch** out) const noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = ComPtr(sinks_[button]).detach();
  return S_OK;
}

HRESULT ConnectObject::setSink(Button button, IDispatch* sink) noexcept {
  sinks_[button] = ComPtr(sink);
  return S_OK;
}

void ConnectObject::setEventSink(std::size_t button, IDispatch* events) {
  if (button < ButtonCount) {
    setSink(static_cast<Button>(button), events);
  }
}

// Assigning an object and setting a reference both keep the object itself.

HRESULT ConnectObject::get_DimMenuHandler(IDispatch** h) {
  return sink(Dim, h);
}
HRESULT ConnectObject::put_DimMenuHandler(IDispatch* h) {
  return setSink(Dim, h);
}
HRESULT ConnectObject::putref_DimMenuHandler(IDispatch* h) {
  return setSink(Dim, h);
}
HRESULT ConnectObject::get_PrivateMenuHandler(IDispatch** h) {
  return sink(Private, h);
}
HRESULT ConnectObject::put_PrivateMenuHandler(IDispatch* h) {
  return setSink(Private, h);
}
HRESULT ConnectObject::putref_PrivateMenuHandler(IDispatch* h) {
  return setSink(Private, h);
}
HRESULT ConnectObject::get_PublicMenuHandler(IDispatch** h) {
  return sink(Public, h);
}
HRESULT ConnectObject::put_PublicMenuHandler(IDispatch* h) {
  return setSink(Public, h);
}
HRESULT ConnectObject::putref_PublicMenuHandler(IDispatch* h) {
  return setSink(Public, h);
}
HRESULT ConnectObject::get_BasMenuHandler(IDispatch** h) {
  return sink(Bas, h);
}
HRESULT ConnectObject::put_BasMenuHandler(IDispatch* h) {
  return setSink(Bas, h);
}
HRESULT ConnectObject::putref_BasMenuHandler(IDispatch* h) {
  return setSink(Bas, h);
}
HRESULT ConnectObject::get_SetteiMenuHandler(IDispatch** h) {
  return sink(Settei, h);
}
HRESULT ConnectObject::put_SetteiMenuHandler(IDispatch* h) {
  return setSink(Settei, h);
}
HRESULT ConnectObject::putref_SetteiMenuHandler(IDispatch* h) {
  return setSink(Settei, h);
}

} // namespace velmora::win32
