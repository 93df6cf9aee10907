#pragma once

#include "com/com_ptr.hpp"

#include <initializer_list>
#include <ole2.h>
#include <string>

// Calls the simulated IDE's objects as an automation client does: names through GetIDsOfNames,
// arguments first to last (handed to Invoke reversed), the result and EXCEPINFO kept.
namespace velmora::test {

// A VARIANT that owns its contents.
class Value {
public:
  Value() { VariantInit(&value_); }
  Value(long number) : Value() {
    V_VT(&value_) = VT_I4;
    V_I4(&value_) = number;
  }
  Value(const wchar_t* text) : Value() {
    V_VT(&value_) = VT_BSTR;
    V_BSTR(&value_) = SysAllocString(text);
  }
  Value(const Value& other) : Value() { VariantCopy(&value_, const_cast<VARIANT*>(&other.value_)); }
  Value& operator=(const Value& other) {
    if (this != &other) {
      VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    }
    return *this;
  }
  ~Value() { VariantClear(&value_); }

  // An omitted optional argument.
  static Value missing();
  // A bare VARIANT such as VT_I4 | VT_BYREF (clearing a reference frees nothing).
  static Value raw(const VARIANT& value);
  static Value object(IDispatch* object);

  VARIANT& get() { return value_; }
  const VARIANT& get() const { return value_; }
  VARTYPE type() const { return V_VT(&value_); }
  long number() const;
  std::wstring text() const;
  IDispatch* dispatch() const {
    return V_VT(&value_) == VT_DISPATCH ? V_DISPATCH(&value_) : nullptr;
  }

private:
  VARIANT value_;
};

// The outcome of one Invoke.
struct Outcome {
  HRESULT result = S_OK;
  Value value;
  UINT argumentError = ~0u;
  HRESULT scode = S_OK;
  std::wstring source;
  std::wstring description;
};

// Invokes `member` of `object` with `flags`; a put (or put by reference) passes its one argument
// as DISPID_PROPERTYPUT.
Outcome invoke(IDispatch* object, const wchar_t* member, WORD flags,
               std::initializer_list<Value> arguments = {});

// A property read (or a call with a result) that must succeed.
Value get(IDispatch* object, const wchar_t* member, std::initializer_list<Value> arguments = {});
// An object-valued property that must be an object.
win32::ComPtr<IDispatch> child(IDispatch* object, const wchar_t* member,
                               std::initializer_list<Value> arguments = {});
// A method call that must succeed.
void run(IDispatch* object, const wchar_t* member, std::initializer_list<Value> arguments = {});
// A property write that must succeed.
void put(IDispatch* object, const wchar_t* member, Value value);

} // namespace velmora::test
