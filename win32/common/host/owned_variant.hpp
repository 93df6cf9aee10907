#pragma once

#include "com/com_ptr.hpp"

#include <cstdint>
#include <oleauto.h>
#include <string>
#include <string_view>

namespace velmora::win32 {

// One automation VARIANT, owned: cleared when the object goes. The layout is exactly a VARIANT,
// so that an array of them can serve as the arguments of a dispatch call.
class OwnedVariant {
public:
  OwnedVariant() noexcept { VariantInit(&value_); }
  ~OwnedVariant() { VariantClear(&value_); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  OwnedVariant(OwnedVariant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  OwnedVariant& operator=(OwnedVariant&& other) noexcept;

  static OwnedVariant int32(std::int32_t value) noexcept;
  static OwnedVariant int16(std::int16_t value) noexcept;
  // An automation Boolean: True is -1.
  static OwnedVariant boolean(bool value) noexcept;
  // A BSTR copy of `text` (UTF-16). Throws std::bad_alloc when none can be made.
  static OwnedVariant text(std::u16string_view text);
  // Holds a reference of its own to `object` (null stays null).
  static OwnedVariant object(IDispatch* object) noexcept;
  // An optional argument left out, as a caller omits it.
  static OwnedVariant omitted() noexcept;
  // A 32-bit out parameter, passed by reference; `target` must outlive the call.
  static OwnedVariant int32Ref(LONG* target) noexcept;

  VARIANT* get() noexcept { return &value_; }
  const VARIANT* get() const noexcept { return &value_; }
  VARTYPE type() const noexcept { return V_VT(&value_); }

  // Conversions of a result, by the automation rules (VariantChangeType); HostError when the
  // value does not convert.
  std::int32_t toInt32() const;
  std::u16string toText() const;
  // Null for Nothing, an empty value and Null.
  ComPtr<IDispatch> toObject() const;

private:
  VARIANT value_;
};

static_assert(sizeof(OwnedVariant) == sizeof(VARIANT));

// A BSTR as UTF-16 text; a null BSTR is the empty text.
std::u16string fromBstr(BSTR text);

} // namespace velmora::win32
