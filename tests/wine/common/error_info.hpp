#pragma once

#include <ole2.h>
#include <string>

namespace velmora::testing {

// The description of the error information left on this thread, which it takes; empty when
// there is none.
inline std::wstring takeErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) {
    return {};
  }
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring description(text != nullptr ? text : L"", SysStringLen(text));
  SysFreeString(text);
  info->Release();
  return description;
}

} // namespace velmora::testing
