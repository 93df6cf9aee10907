#pragma once

#include "com/com_error.hpp"

#include <oaidl.h>

namespace velmora::win32 {

// How a failed call into the host becomes the HostError the add-in reports: with the host's own
// description wherever the host gave one.

// Forgets the thread's error information, so that a failure of the next call is not described
// by an earlier one.
void clearErrorInfo() noexcept;

// A failed vtable call: the description the callee left as the thread's error information
// (GetErrorInfo), else the system's text for `status`.
ComError hostFailure(HRESULT status);

// A failure described only by its HRESULT: the system's text for it.
ComError statusFailure(HRESULT status);

// A call that raised an exception (DISP_E_EXCEPTION): the description of `info`, filled in first
// when the callee deferred it. The HRESULT is the exception's scode, or the Basic error code
// wCode as an HRESULT. The strings of `info` are freed.
ComError exceptionFailure(EXCEPINFO& info);

} // namespace velmora::win32
