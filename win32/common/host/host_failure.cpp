#include "host/host_failure.hpp"

#include "com/com_ptr.hpp"
#include "host/owned_variant.hpp"
#include "services/system_error.hpp"

#include <cstdio>
#include <oleauto.h>

namespace velmora::win32 {

namespace {

// The system's text for `status`, or its number when the system has none.
std::u16string describeStatus(HRESULT status) {
  std::u16string text = systemMessage(static_cast<DWORD>(status));
  if (!text.empty()) {
    return text;
  }
  char number[16] = {};
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(status));
  text = u"ホストの呼び出しが失敗しました (";
  for (const char* digit = number; *digit != '\0'; ++digit) {
    text += static_cast<char16_t>(*digit);
  }
  return text + u")";
}

// A failing HRESULT for what was reported as a failure, whatever code came with it.
HRESULT failing(HRESULT status) {
  return FAILED(status) ? status : E_FAIL;
}

} // namespace

void clearErrorInfo() noexcept {
  SetErrorInfo(0, nullptr);
}

ComError hostFailure(HRESULT status) {
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) == S_OK && info) {
    BSTR description = nullptr;
    if (SUCCEEDED(info->GetDescription(&description))) {
      std::u16string text = fromBstr(description);
      SysFreeString(description);
      if (!text.empty()) {
        return ComError(failing(status), std::move(text));
      }
    }
  }
  return statusFailure(status);
}

ComError statusFailure(HRESULT status) {
  return ComError(failing(status), describeStatus(failing(status)));
}

ComError exceptionFailure(EXCEPINFO& info) {
  if (info.pfnDeferredFillIn != nullptr) {
    info.pfnDeferredFillIn(&info);
    info.pfnDeferredFillIn = nullptr;
  }
  HRESULT status = DISP_E_EXCEPTION;
  if (FAILED(info.scode)) {
    status = info.scode;
  } else if (info.wCode != 0) {
    status = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, info.wCode);
  }
  std::u16string text = fromBstr(info.bstrDescription);
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;
  if (text.empty()) {
    text = describeStatus(status);
  }
  return ComError(status, std::move(text));
}

} // namespace velmora::win32
