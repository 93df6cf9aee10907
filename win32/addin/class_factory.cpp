#include "addin/class_factory.hpp"

#include "addin/connect_object.hpp"

#include <new>

namespace velmora::win32 {

HRESULT ClassFactory::create(REFIID iid, void** out) noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  auto* factory = new (std::nothrow) ClassFactory();
  if (factory == nullptr) {
    return E_OUTOFMEMORY;
  }
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
  return ++references_;
}

ULONG ClassFactory::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) {
    delete this;
  }
  return remaining;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (outer != nullptr) {
    return CLASS_E_NOAGGREGATION;
  }
  return ConnectObject::create(iid, out);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    server::lock();
  } else {
    server::unlock();
  }
  return S_OK;
}

} // namespace velmora::win32
