#include "host/fake_dispatch.hpp"

#include <memory>
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

void FakeDispatch::returns(const std::wstring& name, DISPID id, VARIANT value) {
  const std::shared_ptr<VARIANT> kept(new VARIANT(value), [](VARIANT* held) {
    VariantClear(held);
    delete held;
  });
  on(name, id, [kept](DISPPARAMS&, VARIANT* result, EXCEPINFO*) {
    if (result != nullptr) {
      VariantCopy(result, kept.get());
    }
    return S_OK;
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

void FakeEventSource::refuseAdvise(HRESULT status, const std::wstring& description) {
  refusal_ = status;
  refusalText_ = description;
}

HRESULT FakeEventSource::fire(IDispatch* control, VARIANT_BOOL& handled,
                              VARIANT_BOOL& cancelDefault, EXCEPINFO* error) {
  HRESULT status = S_OK;
  const auto sinks = sinks_;
  for (const auto& each : sinks) {
    status = click(each.second, control, handled, cancelDefault, error);
  }
  return status;
}

HRESULT FakeEventSource::click(IUnknown* sink, IDispatch* control, VARIANT_BOOL& handled,
                               VARIANT_BOOL& cancelDefault, EXCEPINFO* error) {
  IDispatch* dispatch = nullptr;
  if (FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
    return E_NOINTERFACE;
  }
  VARIANT arguments[3];
  V_VT(&arguments[0]) = VT_BOOL | VT_BYREF;
  V_BOOLREF(&arguments[0]) = &cancelDefault;
  V_VT(&arguments[1]) = VT_BOOL | VT_BYREF;
  V_BOOLREF(&arguments[1]) = &handled;
  V_VT(&arguments[2]) = VT_DISPATCH;
  V_DISPATCH(&arguments[2]) = control;
  DISPPARAMS params = {arguments, nullptr, 3, 0};
  const HRESULT status = dispatch->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                          &params, nullptr, error, nullptr);
  dispatch->Release();
  return status;
}

HRESULT FakeEventSource::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
    *out = static_cast<IConnectionPointContainer*>(this);
  } else if (IsEqualIID(iid, IID_IConnectionPoint)) {
    *out = static_cast<IConnectionPoint*>(this);
  } else {
    return FakeDispatch::QueryInterface(iid, out);
  }
  AddRef();
  return S_OK;
}

HRESULT FakeEventSource::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  pointsAsked.push_back(iid);
  if (!IsEqualIID(iid, iid_)) {
    *out = nullptr;
    return CONNECT_E_NOCONNECTION;
  }
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT FakeEventSource::Advise(IUnknown* sink, DWORD* cookie) {
  if (FAILED(refusal_)) {
    leaveErrorInfo(refusalText_);
    return std::exchange(refusal_, S_OK);
  }
  IUnknown* events = nullptr;
  if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&events)))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = nextCookie_++;
  sinks_[*cookie] = events;
  return S_OK;
}

HRESULT FakeEventSource::Unadvise(DWORD cookie) {
  unadvised.push_back(cookie);
  const auto found = sinks_.find(cookie);
  if (found == sinks_.end()) {
    return CONNECT_E_NOCONNECTION;
  }
  found->second->Release();
  sinks_.erase(found);
  return S_OK;
}

void leaveErrorInfo(const std::wstring& description) {
  ICreateErrorInfo* create = nullptr;
  if (FAILED(CreateErrorInfo(&create))) {
    return;
  }
  create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
  IErrorInfo* info = nullptr;
  if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
    SetErrorInfo(0, info);
    info->Release();
  }
  create->Release();
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

VARIANT textValue(const std::wstring& text) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return value;
}

VARIANT longValue(long value) {
  VARIANT result;
  VariantInit(&result);
  V_VT(&result) = VT_I4;
  V_I4(&result) = value;
  return result;
}

VARIANT objectValue(IDispatch* object) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_DISPATCH;
  V_DISPATCH(&value) = object;
  if (object != nullptr) {
    object->AddRef();
  }
  return value;
}

} // namespace velmora::test
