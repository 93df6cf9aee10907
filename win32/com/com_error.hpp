#pragma once

#include "support/error.hpp"

#include <windows.h>

namespace velmora::win32 {

// A failed COM or Win32 call: the host error with the call's HRESULT, which the COM boundary
// hands back to its caller unchanged.
class ComError : public HostError {
public:
  ComError(HRESULT result, std::u16string description)
      : HostError(std::move(description)), result_(result) {}

  HRESULT result() const noexcept { return result_; }

private:
  HRESULT result_;
};

// Throws ComError for a failed `result`; `what` names the operation in the description.
void checkResult(HRESULT result, std::u16string_view what);
// Same for a Win32 status code (ERROR_SUCCESS passes).
void checkStatus(LSTATUS status, std::u16string_view what);

} // namespace velmora::win32
