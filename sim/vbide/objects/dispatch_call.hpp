#pragma once

#include <cstdint>
#include <ole2.h>
#include <string>
#include <windows.h>

namespace velmora::sim::vbide {

// One IDispatch::Invoke as a member sees it: the kind of call, the arguments in the caller's
// order (DISPPARAMS holds them reversed) and the result. Every accessor that meets an argument
// it cannot take throws DispatchFault with the HRESULT Invoke returns for it.
class DispatchCall {
public:
  DispatchCall(WORD flags, DISPPARAMS* params, VARIANT* result);

  // A property read (or a method call, which callers use interchangeably) with `min` to `max`
  // positional arguments.
  void expectGet(unsigned min = 0, unsigned max = 0);
  // A method call (a property-get call is taken too) with `min` to `max` arguments.
  void expectMethod(unsigned min = 0, unsigned max = 0);
  // A property write with its one value.
  void expectPut();
  bool isPut() const { return (flags_ & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }

  unsigned count() const { return positional_; }
  // Whether argument `i` was passed (an omitted optional argument is VT_ERROR
  // DISP_E_PARAMNOTFOUND).
  bool present(unsigned i) const;
  const VARIANT& arg(unsigned i) const;

  std::int32_t longArg(unsigned i) const;
  std::int32_t longArg(unsigned i, std::int32_t fallback) const;
  std::u16string stringArg(unsigned i) const;
  bool boolArg(unsigned i, bool fallback) const;
  // The object passed as argument `i` (borrowed; null for Nothing).
  IDispatch* dispatchArg(unsigned i) const;
  // Writes an [out] long: VT_I4 | VT_BYREF, or a VARIANT passed by reference.
  void setOutLong(unsigned i, std::int32_t value) const;

  // The value of a property write.
  std::int32_t putLong() const;
  std::u16string putString() const;
  bool putBool() const;
  // The object of a property write (borrowed; null for Nothing).
  IDispatch* putDispatch() const;

  void returnLong(std::int32_t value);
  void returnString(const std::u16string& value);
  void returnBool(bool value);
  // Hands `value` (an added reference, or null for Nothing) to the caller.
  void returnDispatch(IDispatch* value);
  // Hands `value` (an added reference) to the caller as VT_UNKNOWN.
  void returnUnknown(IUnknown* value);

private:
  void expectArguments(unsigned min, unsigned max) const;
  // Position of argument `i` in rgvarg.
  unsigned slot(unsigned i) const;
  VARIANT converted(const VARIANT& value, VARTYPE type, int argument) const;

  WORD flags_;
  DISPPARAMS* params_;
  VARIANT* result_;
  unsigned positional_;
};

} // namespace velmora::sim::vbide
