#include "host/fake_dispatch.hpp"

#include <oleauto.h>
#include <olectl.h>
#include <utility>

namespace velmora::test {

namespace {

ArgumentSeen seen(const VARIANT& argument) {
  ArgumentSeen result;
  result.type = V_VT(&argument);
  VARIANT number;
  VariantInit(&number);
  if (result.type == VT_BSTR) {
    result.text.assign(V_BSTR(&argument), SysStringLen(V_BSTR(&argument)));
  } else if (result.type == VT_DISPATCH) {
    result.object = V_DISPATCH(&argument);
  } else if (result.type == VT_ERROR) {
    result.number = V_ERROR(&argument);
  } else if ((result.type & VT_BYREF) == 0 &&
             SUCCEEDED(VariantChangeType(&number, const_cast<VARIANT*>(&argument), 0, VT_I4))) {
    result.number = V_I4(&number);
  }
  return result;
}

} // namespace

void FakeDispatch::on(const std::wstring& name, DISPID id, Handler handler) {
  ids_[name] = id;
  members_[id] = Member{name, std::move(handler)};
}

void FakeDispatch::returns(const std::wstring& name, DISPID id, win32::OwnedVariant value) {
  const auto kept = std::make_shared<win32::OwnedVariant>(std::move(value));
  on(name, id, [kept](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    return result != nullptr ? VariantCopy(result, kept->get()) : S_OK;
  });
}

int FakeDispatch::namesAsked(const std::wstring& name) const {
  const auto found = asked_.find(name);
  return found == asked_.end() ? 0 : found->second;
}

HRESULT FakeDispatch::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT FakeDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) {
    return E_INVALIDARG;
  }
  ++asked_[names[0]];
  const auto found = ids_.find(names[0]);
  if (found == ids_.end()) {
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  ids[0] = found->second;
  return S_OK;
}

HRESULT FakeDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* error, UINT*) {
  const auto found = members_.find(id);
  if (found == members_.end()) {
    return DISP_E_MEMBERNOTFOUND;
  }
  CallSeen call;
  call.member = found->second.name;
  call.flags = flags;
  for (UINT i = params->cArgs; i > 0; --i) {
    call.arguments.push_back(seen(params->rgvarg[i - 1]));
  }
  call.namedPut = params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
  calls.push_back(call);
  if (result != nullptr) {
    VariantInit(result);
  }
  return found->second.handler ? found->second.handler(*params, result, error) : S_OK;
}

HRESULT raise(EXCEPINFO* error, const std::wstring& description, HRESULT scode) {
  if (error != nullptr) {
    *error = EXCEPINFO{};
    error->bstrSource = SysAllocString(L"VBIDE");
    error->bstrDescription = SysAllocString(description.c_str());
    error->scode = scode;
  }
  return DISP_E_EXCEPTION;
}

} // namespace velmora::test
