#include "host/owned_variant.hpp"

#include "host/host_failure.hpp"

#include <new>

namespace velmora::win32 {

namespace {

// A converted copy of `source`; throws when the conversion is refused.
OwnedVariant converted(const VARIANT& source, VARTYPE type) {
  OwnedVariant result;
  const HRESULT status =
      VariantChangeType(result.get(), const_cast<VARIANT*>(&source), VARIANT_NOVALUEPROP, type);
  if (FAILED(status)) {
    throw statusFailure(status);
  }
  return result;
}

} // namespace

OwnedVariant& OwnedVariant::operator=(OwnedVariant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    value_ = other.value_;
    VariantInit(&other.value_);
  }
  return *this;
}

OwnedVariant OwnedVariant::int32(std::int32_t value) noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_I4;
  V_I4(&result.value_) = value;
  return result;
}

OwnedVariant OwnedVariant::int16(std::int16_t value) noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_I2;
  V_I2(&result.value_) = value;
  return result;
}

OwnedVariant OwnedVariant::boolean(bool value) noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_BOOL;
  V_BOOL(&result.value_) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return result;
}

OwnedVariant OwnedVariant::text(std::u16string_view text) {
  BSTR copy = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<UINT>(text.size()));
  if (copy == nullptr) {
    throw std::bad_alloc();
  }
  OwnedVariant result;
  V_VT(&result.value_) = VT_BSTR;
  V_BSTR(&result.value_) = copy;
  return result;
}

OwnedVariant OwnedVariant::object(IDispatch* object) noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_DISPATCH;
  V_DISPATCH(&result.value_) = ComPtr(object).detach();
  return result;
}

OwnedVariant OwnedVariant::omitted() noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_ERROR;
  V_ERROR(&result.value_) = DISP_E_PARAMNOTFOUND;
  return result;
}

OwnedVariant OwnedVariant::int32Ref(LONG* target) noexcept {
  OwnedVariant result;
  V_VT(&result.value_) = VT_I4 | VT_BYREF;
  V_I4REF(&result.value_) = target;
  return result;
}

std::int32_t OwnedVariant::toInt32() const {
  if (type() == VT_I4) {
    return V_I4(&value_);
  }
  return V_I4(converted(value_, VT_I4).get());
}

std::u16string OwnedVariant::toText() const {
  if (type() == VT_BSTR) {
    return fromBstr(V_BSTR(&value_));
  }
  return fromBstr(V_BSTR(converted(value_, VT_BSTR).get()));
}

ComPtr<IDispatch> OwnedVariant::toObject() const {
  switch (type()) {
  case VT_EMPTY:
  case VT_NULL:
    return nullptr;
  case VT_DISPATCH:
    return ComPtr(V_DISPATCH(&value_));
  case VT_UNKNOWN:
    if (V_UNKNOWN(&value_) == nullptr) {
      return nullptr;
    }
    break;
  default:
    break;
  }
  OwnedVariant object = converted(value_, VT_DISPATCH);
  return ComPtr(V_DISPATCH(object.get()));
}

std::u16string fromBstr(BSTR text) {
  if (text == nullptr) {
    return {};
  }
  return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

} // namespace velmora::win32
