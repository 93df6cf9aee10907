#include "sim/vbide/objects/dispatch_call.hpp"

#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/bstr_text.hpp"

namespace velmora::sim::vbide {

namespace {

constexpr WORD kGetOrMethod = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// A VARIANT that clears itself.
struct ScopedVariant {
  VARIANT value;
  ScopedVariant() { VariantInit(&value); }
  ScopedVariant(const ScopedVariant&) = delete;
  ScopedVariant& operator=(const ScopedVariant&) = delete;
  ~ScopedVariant() { VariantClear(&value); }
};

} // namespace

DispatchCall::DispatchCall(WORD flags, DISPPARAMS* params, VARIANT* result)
    : flags_(flags), params_(params), result_(result) {
  const unsigned all = params_ != nullptr ? params_->cArgs : 0;
  const unsigned named = params_ != nullptr ? params_->cNamedArgs : 0;
  positional_ = all - named;
}

void DispatchCall::expectArguments(unsigned min, unsigned max) const {
  if (params_ != nullptr && params_->cNamedArgs != 0) {
    throw DispatchFault(DISP_E_NONAMEDARGS);
  }
  if (positional_ < min || positional_ > max) {
    throw DispatchFault(DISP_E_BADPARAMCOUNT);
  }
}

void DispatchCall::expectGet(unsigned min, unsigned max) {
  if ((flags_ & kGetOrMethod) == 0) {
    throw DispatchFault(DISP_E_MEMBERNOTFOUND);
  }
  expectArguments(min, max);
}

void DispatchCall::expectMethod(unsigned min, unsigned max) {
  expectGet(min, max);
}

void DispatchCall::expectPut() {
  if (!isPut()) {
    throw DispatchFault(DISP_E_MEMBERNOTFOUND);
  }
  if (params_ == nullptr || params_->cNamedArgs != 1 || params_->cArgs != 1 ||
      params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
    throw DispatchFault(DISP_E_BADPARAMCOUNT);
  }
}

unsigned DispatchCall::slot(unsigned i) const {
  return params_->cArgs - 1 - i;
}

bool DispatchCall::present(unsigned i) const {
  if (i >= positional_) {
    return false;
  }
  const VARIANT& value = arg(i);
  return !(V_VT(&value) == VT_ERROR && V_ERROR(&value) == DISP_E_PARAMNOTFOUND);
}

const VARIANT& DispatchCall::arg(unsigned i) const {
  if (i >= positional_) {
    throw DispatchFault(DISP_E_PARAMNOTFOUND, static_cast<int>(i));
  }
  return params_->rgvarg[slot(i)];
}

VARIANT DispatchCall::converted(const VARIANT& value, VARTYPE type, int argument) const {
  VARIANT result;
  VariantInit(&result);
  const HRESULT changed =
      VariantChangeType(&result, const_cast<VARIANT*>(&value), VARIANT_NOUSEROVERRIDE, type);
  if (FAILED(changed)) {
    throw DispatchFault(changed == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH,
                        argument);
  }
  return result;
}

std::int32_t DispatchCall::longArg(unsigned i) const {
  if (!present(i)) {
    throw DispatchFault(DISP_E_PARAMNOTFOUND, static_cast<int>(i));
  }
  const VARIANT value = converted(arg(i), VT_I4, static_cast<int>(i));
  return V_I4(&value);
}

std::int32_t DispatchCall::longArg(unsigned i, std::int32_t fallback) const {
  return present(i) ? longArg(i) : fallback;
}

std::u16string DispatchCall::stringArg(unsigned i) const {
  if (!present(i)) {
    throw DispatchFault(DISP_E_PARAMNOTFOUND, static_cast<int>(i));
  }
  ScopedVariant value;
  value.value = converted(arg(i), VT_BSTR, static_cast<int>(i));
  return bstrText(V_BSTR(&value.value));
}

bool DispatchCall::boolArg(unsigned i, bool fallback) const {
  if (!present(i)) {
    return fallback;
  }
  const VARIANT value = converted(arg(i), VT_BOOL, static_cast<int>(i));
  return V_BOOL(&value) != VARIANT_FALSE;
}

namespace {

// The object a VARIANT holds, directly or by reference; DISP_E_TYPEMISMATCH for anything else.
IDispatch* objectIn(const VARIANT& value, int argument) {
  switch (V_VT(&value)) {
  case VT_DISPATCH:
    return V_DISPATCH(&value);
  case VT_EMPTY:
    return nullptr;
  case VT_DISPATCH | VT_BYREF:
    return V_DISPATCHREF(&value) != nullptr ? *V_DISPATCHREF(&value) : nullptr;
  case VT_VARIANT | VT_BYREF: {
    const VARIANT* inner = V_VARIANTREF(&value);
    if (inner != nullptr && V_VT(inner) == VT_DISPATCH) {
      return V_DISPATCH(inner);
    }
    break;
  }
  default:
    break;
  }
  throw DispatchFault(DISP_E_TYPEMISMATCH, argument);
}

} // namespace

IDispatch* DispatchCall::dispatchArg(unsigned i) const {
  return objectIn(arg(i), static_cast<int>(i));
}

IDispatch* DispatchCall::putDispatch() const {
  return objectIn(params_->rgvarg[0], 0);
}

void DispatchCall::setOutLong(unsigned i, std::int32_t value) const {
  if (i >= positional_) {
    throw DispatchFault(DISP_E_PARAMNOTFOUND, static_cast<int>(i));
  }
  VARIANT& out = params_->rgvarg[slot(i)];
  if (V_VT(&out) == (VT_I4 | VT_BYREF) && V_I4REF(&out) != nullptr) {
    *V_I4REF(&out) = value;
    return;
  }
  if (V_VT(&out) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&out) != nullptr) {
    VARIANT* target = V_VARIANTREF(&out);
    VariantClear(target);
    V_VT(target) = VT_I4;
    V_I4(target) = value;
    return;
  }
  throw DispatchFault(DISP_E_TYPEMISMATCH, static_cast<int>(i));
}

std::int32_t DispatchCall::putLong() const {
  const VARIANT value = converted(params_->rgvarg[0], VT_I4, 0);
  return V_I4(&value);
}

std::u16string DispatchCall::putString() const {
  ScopedVariant value;
  value.value = converted(params_->rgvarg[0], VT_BSTR, 0);
  return bstrText(V_BSTR(&value.value));
}

bool DispatchCall::putBool() const {
  const VARIANT value = converted(params_->rgvarg[0], VT_BOOL, 0);
  return V_BOOL(&value) != VARIANT_FALSE;
}

void DispatchCall::returnLong(std::int32_t value) {
  if (result_ != nullptr) {
    V_VT(result_) = VT_I4;
    V_I4(result_) = value;
  }
}

void DispatchCall::returnString(const std::u16string& value) {
  if (result_ != nullptr) {
    V_BSTR(result_) = makeBstr(value);
    V_VT(result_) = VT_BSTR;
  }
}

void DispatchCall::returnBool(bool value) {
  if (result_ != nullptr) {
    V_VT(result_) = VT_BOOL;
    V_BOOL(result_) = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
}

void DispatchCall::returnDispatch(IDispatch* value) {
  if (result_ != nullptr) {
    V_VT(result_) = VT_DISPATCH;
    V_DISPATCH(result_) = value;
  } else if (value != nullptr) {
    value->Release();
  }
}

void DispatchCall::returnUnknown(IUnknown* value) {
  if (result_ != nullptr) {
    V_VT(result_) = VT_UNKNOWN;
    V_UNKNOWN(result_) = value;
  } else if (value != nullptr) {
    value->Release();
  }
}

} // namespace velmora::sim::vbide
