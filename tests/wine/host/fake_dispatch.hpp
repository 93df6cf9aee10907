#pragma once

#include "host/dispatch_object.hpp"
#include "host/owned_variant.hpp"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <oaidl.h>
#include <ocidl.h>
#include <string>
#include <vector>
#include <windows.h>

// A hand-written host object for the adapter's tests: an automation object answering a few
// members by name.
namespace velmora::test {

// One argument as the host received it, first argument first.
struct ArgumentSeen {
  VARTYPE type = VT_EMPTY;
  long number = 0;             // VT_I2, VT_I4, VT_BOOL, VT_ERROR (its scode)
  std::wstring text;           // VT_BSTR
  IDispatch* object = nullptr; // VT_DISPATCH
  friend bool operator==(const ArgumentSeen&, const ArgumentSeen&) = default;
};

struct CallSeen {
  std::wstring member;
  WORD flags = 0;
  std::vector<ArgumentSeen> arguments;
  bool namedPut = false; // the one named argument is DISPID_PROPERTYPUT
  friend bool operator==(const CallSeen&, const CallSeen&) = default;
};

// An IDispatch whose members are registered by name with a handler. A member called through
// Invoke is recorded; a handler sees the raw parameters (last argument first) and fills the
// result. GetIDsOfNames is counted per name.
class FakeDispatch : public IDispatch {
public:
  using Handler = std::function<HRESULT(DISPPARAMS& params, VARIANT* result, EXCEPINFO* error)>;

  FakeDispatch() = default;
  virtual ~FakeDispatch() = default;
  FakeDispatch(const FakeDispatch&) = delete;
  FakeDispatch& operator=(const FakeDispatch&) = delete;

  // A member answering `handler`; a member without handler succeeds with an empty result.
  void on(const std::wstring& name, DISPID id, Handler handler = {});
  // A member returning a copy of `value`.
  void returns(const std::wstring& name, DISPID id, win32::OwnedVariant value);

  ULONG references() const { return references_; }
  int namesAsked(const std::wstring& name) const;
  std::vector<CallSeen> calls;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* error, UINT*) override;

private:
  struct Member {
    std::wstring name;
    Handler handler;
  };

  std::map<std::wstring, DISPID> ids_;
  std::map<DISPID, Member> members_;
  std::map<std::wstring, int> asked_;
  std::atomic<ULONG> references_{1};
};

// The adapter's view of `fake` as a host object of kind `type`.
inline win32::DispatchObject hosted(FakeDispatch& fake, const char16_t* type,
                                    std::shared_ptr<win32::DispatchContext> context = nullptr) {
  return {win32::ComPtr<IDispatch>(static_cast<IDispatch*>(&fake)), std::move(context), type};
}

// Fills EXCEPINFO as a host raising an error does.
HRESULT raise(EXCEPINFO* error, const std::wstring& description, HRESULT scode = E_FAIL);

// Values a fake returns (an object with a reference of the value's own).
inline win32::OwnedVariant textValue(const std::wstring& text) {
  return win32::OwnedVariant::text(std::u16string(text.begin(), text.end()));
}
inline win32::OwnedVariant longValue(long value) {
  return win32::OwnedVariant::int32(value);
}
inline win32::OwnedVariant objectValue(IDispatch* object) {
  return win32::OwnedVariant::object(object);
}

} // namespace velmora::test
