#include "sim/vbide/objects/dispatch_object.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/bstr_text.hpp"
#include "support/error.hpp"

#include <cwchar>
#include <new>

namespace velmora::sim::vbide {

namespace {

// Fills EXCEPINFO (when the caller gave one) and says DISP_E_EXCEPTION; without EXCEPINFO the
// error's own HRESULT goes back.
HRESULT raise(EXCEPINFO* exception, const wchar_t* source, HRESULT code,
              const std::u16string& description) noexcept {
  if (exception == nullptr) {
    return code;
  }
  *exception = EXCEPINFO{};
  exception->scode = code;
  exception->bstrSource = SysAllocString(source);
  exception->bstrDescription = SysAllocStringLen(
      reinterpret_cast<const OLECHAR*>(description.data()), static_cast<UINT>(description.size()));
  return DISP_E_EXCEPTION;
}

} // namespace

namespace {

std::atomic<long> live{0};

} // namespace

DispatchObject::DispatchObject(std::span<const DispatchMember> members, const IID& iid,
                               const wchar_t* source)
    : members_(members), iid_(iid), source_(source) {
  ++live;
}

DispatchObject::~DispatchObject() {
  --live;
}

long DispatchObject::liveCount() {
  return live.load();
}

IUnknown* DispatchObject::queryOther(REFIID /*iid*/) {
  return nullptr;
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iid_)) {
    AddRef();
    *out = static_cast<IDispatch*>(this);
    return S_OK;
  }
  try {
    if (IUnknown* other = queryOther(iid)) {
      *out = other;
      return S_OK;
    }
  } catch (...) {
    return E_UNEXPECTED;
  }
  return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() {
  return ++references_;
}

ULONG DispatchObject::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) {
    delete this;
  }
  return remaining;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) {
    return E_POINTER;
  }
  *count = 0;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT /*index*/, LCID /*lcid*/, ITypeInfo** info) {
  if (info != nullptr) {
    *info = nullptr;
  }
  return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID /*lcid*/,
                                      DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) {
    return DISP_E_UNKNOWNINTERFACE;
  }
  if (names == nullptr || ids == nullptr || count == 0) {
    return E_INVALIDARG;
  }
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
  }
  // Named arguments are not supported: only the member's own name is looked up.
  HRESULT result = count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
  bool found = false;
  for (const DispatchMember& member : members_) {
    if (names[0] != nullptr && _wcsicmp(names[0], member.name) == 0) {
      ids[0] = member.id;
      found = true;
      break;
    }
  }
  return found ? result : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID member, REFIID riid, LCID /*lcid*/, WORD flags,
                               DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                               UINT* argumentError) {
  if (!IsEqualIID(riid, IID_NULL)) {
    return DISP_E_UNKNOWNINTERFACE;
  }
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  if (params == nullptr) {
    params = &none;
  }
  if (result != nullptr) {
    VariantInit(result);
  }
  // Keeps the object alive while a member runs (a call may release the caller's last reference).
  AddRef();
  HRESULT outcome = S_OK;
  try {
    DispatchCall call(flags, params, result);
    invoke(member, call);
  } catch (const DispatchFault& fault) {
    if (argumentError != nullptr && fault.argument() >= 0 &&
        static_cast<UINT>(fault.argument()) < params->cArgs) {
      *argumentError = params->cArgs - 1 - static_cast<UINT>(fault.argument());
    }
    outcome = fault.code();
  } catch (const AutomationError& error) {
    outcome = raise(exception, source_, error.code(), error.description());
  } catch (const Error& error) {
    outcome =
        raise(exception, source_, codeForDescription(error.description()), error.description());
  } catch (const std::bad_alloc&) {
    outcome = E_OUTOFMEMORY;
  } catch (...) {
    outcome = E_UNEXPECTED;
  }
  if (FAILED(outcome) && result != nullptr) {
    VariantClear(result);
  }
  Release();
  return outcome;
}

} // namespace velmora::sim::vbide
