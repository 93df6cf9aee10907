#include "probe_calls.hpp"

namespace velmora::probe {

VARIANT call(IDispatch* object, const wchar_t* member, WORD flags, std::vector<VARIANT> arguments) {
  DISPID id = DISPID_UNKNOWN;
  auto* name = const_cast<LPOLESTR>(member);
  HRESULT result = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(result)) {
    throw ProbeFailure{result};
  }
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID putId = DISPID_PROPERTYPUT;
  const bool isPut = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS params{reversed.data(), isPut ? &putId : nullptr, static_cast<UINT>(reversed.size()),
                    isPut ? 1u : 0u};
  VARIANT value;
  VariantInit(&value);
  EXCEPINFO exception{};
  result = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &value, &exception,
                          nullptr);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  if (FAILED(result)) {
    throw ProbeFailure{result};
  }
  return value;
}

IDispatch* object(IDispatch* parent, const wchar_t* member, std::vector<VARIANT> arguments) {
  VARIANT value =
      call(parent, member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(arguments));
  if (V_VT(&value) != VT_DISPATCH || V_DISPATCH(&value) == nullptr) {
    VariantClear(&value);
    throw ProbeFailure{E_POINTER};
  }
  return V_DISPATCH(&value);
}

void put(IDispatch* object, const wchar_t* member, VARIANT value) {
  VARIANT result = call(object, member, DISPATCH_PROPERTYPUT, {value});
  VariantClear(&result);
}

VARIANT number(long value) {
  VARIANT result;
  V_VT(&result) = VT_I4;
  V_I4(&result) = value;
  return result;
}

VARIANT text(const std::wstring& value) {
  VARIANT result;
  V_VT(&result) = VT_BSTR;
  V_BSTR(&result) = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  return result;
}

VARIANT objectValue(IDispatch* value) {
  VARIANT result;
  V_VT(&result) = VT_DISPATCH;
  V_DISPATCH(&result) = value;
  return result;
}

} // namespace velmora::probe
