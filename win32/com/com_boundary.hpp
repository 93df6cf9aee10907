#pragma once

#include "com/com_error.hpp"

#include <exception>
#include <new>
#include <ole2.h>
#include <type_traits>
#include <windows.h>

namespace velmora::win32 {

// Sets the thread's error information for a failure of a method of `iid`.
void setErrorInfo(const IID& iid, const std::u16string& description) noexcept;

// Runs `body` at a COM boundary: no C++ exception leaves it. `body` returns an HRESULT or
// nothing (success). A ComError returns its own HRESULT, any other velmora::Error E_FAIL; both
// leave their description as the thread's error information. Out of memory gives
// E_OUTOFMEMORY, anything else E_UNEXPECTED.
template <typename Body> HRESULT comBoundary(const IID& iid, Body&& body) noexcept {
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Body&>>) {
      body();
      return S_OK;
    } else {
      return body();
    }
  } catch (const ComError& error) {
    setErrorInfo(iid, error.description());
    return FAILED(error.result()) ? error.result() : E_FAIL;
  } catch (const Error& error) {
    setErrorInfo(iid, error.description());
    return E_FAIL;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

} // namespace velmora::win32
