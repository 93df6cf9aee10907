#include "host/click_sink.hpp"

#include "com/com_boundary.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <new>
#include <oleauto.h>

namespace velmora::win32 {

namespace {

constexpr wchar_t kSource[] = L"Velmora";

BSTR copyOf(const std::u16string& text) {
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                           static_cast<UINT>(text.size()));
}

// Hands a failure of the handler back to the host: in EXCEPINFO when it gave one, else as the
// thread's error information.
HRESULT raised(EXCEPINFO* exception, HRESULT status, const std::u16string& description) {
  if (exception == nullptr) {
    setErrorInfo(kCommandBarControlEventsIid, description);
    return status;
  }
  *exception = EXCEPINFO{};
  exception->bstrSource = SysAllocString(kSource);
  exception->bstrDescription = copyOf(description);
  exception->scode = status;
  return DISP_E_EXCEPTION;
}

} // namespace

ComPtr<ClickSink> ClickSink::make(CommandBarEvents::ClickHandler handler,
                                  std::shared_ptr<const void> hold) {
  return ComPtr<ClickSink>::adopt(new ClickSink(std::move(handler), std::move(hold)));
}

ClickSink::ClickSink(CommandBarEvents::ClickHandler handler, std::shared_ptr<const void> hold)
    : hold_(std::move(hold)), handler_(std::move(handler)) {}

void ClickSink::setHandler(CommandBarEvents::ClickHandler handler) {
  handler_ = std::move(handler);
}

void ClickSink::detach() noexcept {
  handler_ = nullptr;
}

HRESULT ClickSink::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      IsEqualIID(iid, kCommandBarControlEventsIid)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClickSink::AddRef() {
  return ++references_;
}

ULONG ClickSink::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) {
    delete this;
  }
  return remaining;
}

HRESULT ClickSink::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) {
    return E_POINTER;
  }
  *count = 0;
  return S_OK;
}

HRESULT ClickSink::GetTypeInfo(UINT /*index*/, LCID /*lcid*/, ITypeInfo** info) {
  if (info == nullptr) {
    return E_POINTER;
  }
  *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT ClickSink::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID /*lcid*/,
                                 DISPID* ids) {
  if (!IsEqualIID(iid, IID_NULL)) {
    return DISP_E_UNKNOWNINTERFACE;
  }
  if (names == nullptr || ids == nullptr) {
    return E_POINTER;
  }
  HRESULT status = S_OK;
  for (UINT i = 0; i < count; ++i) {
    const bool click = i == 0 && names[i] != nullptr && lstrcmpiW(names[i], L"Click") == 0;
    ids[i] = click ? kClickDispId : DISPID_UNKNOWN;
    if (!click) {
      status = DISP_E_UNKNOWNNAME;
    }
  }
  return status;
}

HRESULT ClickSink::Invoke(DISPID member, REFIID iid, LCID /*lcid*/, WORD flags,
                          DISPPARAMS* /*params*/, VARIANT* result, EXCEPINFO* exception,
                          UINT* /*argumentError*/) {
  if (!IsEqualIID(iid, IID_NULL)) {
    return DISP_E_UNKNOWNINTERFACE;
  }
  if (member != kClickDispId || (flags & DISPATCH_METHOD) == 0) {
    return DISP_E_MEMBERNOTFOUND;
  }
  if (result != nullptr) {
    VariantInit(result);
  }
  return click(exception);
}

HRESULT ClickSink::click(EXCEPINFO* exception) noexcept {
  try {
    // The handler may run a dialog, during which the button can be unbound: the sink and the
    // handler stay alive until it returns.
    const ComPtr<ClickSink> self(this);
    const CommandBarEvents::ClickHandler handler = handler_;
    if (handler) {
      handler();
    }
    return S_OK;
  } catch (const ComError& error) {
    return raised(exception, FAILED(error.result()) ? error.result() : E_FAIL, error.description());
  } catch (const Error& error) {
    return raised(exception, E_FAIL, error.description());
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& error) {
    try {
      return raised(exception, E_FAIL, fromUtf8(error.what()));
    } catch (...) {
      return E_FAIL;
    }
  } catch (...) {
    return E_UNEXPECTED;
  }
}

} // namespace velmora::win32
