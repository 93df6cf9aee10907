#include "automation_client.hpp"

#include <gtest/gtest.h>
#include <vector>

namespace velmora::test {

Value Value::missing() {
  Value value;
  V_VT(&value.value_) = VT_ERROR;
  V_ERROR(&value.value_) = DISP_E_PARAMNOTFOUND;
  return value;
}

Value Value::raw(const VARIANT& raw) {
  Value value;
  value.value_ = raw;
  return value;
}

Value Value::object(IDispatch* object) {
  Value value;
  V_VT(&value.value_) = VT_DISPATCH;
  V_DISPATCH(&value.value_) = object;
  if (object != nullptr) {
    object->AddRef();
  }
  return value;
}

long Value::number() const {
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(&value_), 0, VT_I4))) {
    ADD_FAILURE() << "not a number, type " << V_VT(&value_);
    return 0;
  }
  return V_I4(&converted);
}

std::wstring Value::text() const {
  if (V_VT(&value_) != VT_BSTR) {
    ADD_FAILURE() << "not a string, type " << V_VT(&value_);
    return {};
  }
  return {V_BSTR(&value_), SysStringLen(V_BSTR(&value_))};
}

Outcome invoke(IDispatch* object, const wchar_t* member, WORD flags,
               std::initializer_list<Value> arguments) {
  Outcome outcome;
  DISPID id = DISPID_UNKNOWN;
  auto* name = const_cast<LPOLESTR>(member);
  outcome.result = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(outcome.result)) {
    return outcome;
  }
  // Invoke takes the arguments last first; the Values stay owned by the caller's list.
  std::vector<VARIANTARG> reversed;
  for (auto it = std::rbegin(arguments); it != std::rend(arguments); ++it) {
    reversed.push_back(it->get());
  }
  DISPID put = DISPID_PROPERTYPUT;
  const bool isPut = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  DISPPARAMS params{reversed.data(), isPut ? &put : nullptr, static_cast<UINT>(reversed.size()),
                    isPut ? 1u : 0u};
  EXCEPINFO exception{};
  outcome.result = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                  &outcome.value.get(), &exception, &outcome.argumentError);
  if (outcome.result == DISP_E_EXCEPTION) {
    outcome.scode = exception.scode;
    if (exception.bstrSource != nullptr) {
      outcome.source = exception.bstrSource;
    }
    if (exception.bstrDescription != nullptr) {
      outcome.description = exception.bstrDescription;
    }
  }
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  SysFreeString(exception.bstrHelpFile);
  return outcome;
}

Value get(IDispatch* object, const wchar_t* member, std::initializer_list<Value> arguments) {
  Outcome outcome = invoke(object, member, DISPATCH_PROPERTYGET, arguments);
  EXPECT_EQ(outcome.result, S_OK) << "reading " << member << ": " << outcome.description;
  return outcome.value;
}

win32::ComPtr<IDispatch> child(IDispatch* object, const wchar_t* member,
                               std::initializer_list<Value> arguments) {
  const Value value = get(object, member, arguments);
  EXPECT_EQ(value.type(), VT_DISPATCH);
  EXPECT_NE(value.dispatch(), nullptr);
  return win32::ComPtr<IDispatch>(value.dispatch());
}

void run(IDispatch* object, const wchar_t* member, std::initializer_list<Value> arguments) {
  const Outcome outcome = invoke(object, member, DISPATCH_METHOD, arguments);
  EXPECT_EQ(outcome.result, S_OK) << "calling " << member;
}

void put(IDispatch* object, const wchar_t* member, Value value) {
  const Outcome outcome = invoke(object, member, DISPATCH_PROPERTYPUT, {value});
  EXPECT_EQ(outcome.result, S_OK) << "writing " << member;
}

} // namespace velmora::test
