#pragma once

#include <exception>
#include <string>
#include <windows.h>

namespace velmora::sim::vbide {

// An error an automation object raises to its caller: the HRESULT that goes into EXCEPINFO's
// scode and the description the IDE would show. The source ("VBIDE", "Office") is the object's.
class AutomationError : public std::exception {
public:
  AutomationError(HRESULT code, std::u16string description)
      : code_(code), description_(std::move(description)) {}

  HRESULT code() const noexcept { return code_; }
  const std::u16string& description() const noexcept { return description_; }
  const char* what() const noexcept override { return "automation error"; }

private:
  HRESULT code_;
  std::u16string description_;
};

// A Visual Basic run-time error number as an HRESULT (as the IDE's objects report them).
constexpr HRESULT vbErrorCode(int number) {
  return static_cast<HRESULT>(0x800A0000u | static_cast<unsigned>(number));
}

// The HRESULT for an error of the in-memory IDE, found from its description; E_FAIL for a
// description without a number of its own.
HRESULT codeForDescription(const std::u16string& description);

// A fault in the call itself rather than in the operation (wrong argument count or type): Invoke
// returns `code` without EXCEPINFO; `argument` is the 0-based position in the caller's order of
// the offending argument, or -1.
class DispatchFault : public std::exception {
public:
  explicit DispatchFault(HRESULT code, int argument = -1) : code_(code), argument_(argument) {}

  HRESULT code() const noexcept { return code_; }
  int argument() const noexcept { return argument_; }
  const char* what() const noexcept override { return "dispatch fault"; }

private:
  HRESULT code_;
  int argument_;
};

} // namespace velmora::sim::vbide
