#pragma once

#include "com/com_ptr.hpp"
#include "host/command_bar_events.hpp"

#include <atomic>
#include <memory>
#include <oaidl.h>

namespace velmora::win32 {

// The command-bar button event interface the IDE's CommandBarEvents objects fire,
// _dispCommandBarControlEvents.
inline constexpr IID kCommandBarControlEventsIid = {
    0x0002E198, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// Click(CommandBarControl, handled, CancelDefault).
inline constexpr DISPID kClickDispId = 1;

// Our sink of one button's events, advised to the host's event source: a Click calls the
// handler. The control and the two by-reference Booleans are left as the host passed them. A
// failure of the handler goes back to the host as the failure of the event call (with its
// description in EXCEPINFO); no C++ exception leaves the sink.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class ClickSink final : public IDispatch {
public:
  // `hold` is kept for the sink's whole life (see DispatchContext::holdLibrary).
  static ComPtr<ClickSink> make(CommandBarEvents::ClickHandler handler,
                                std::shared_ptr<const void> hold);

  // Later clicks run `handler`.
  void setHandler(CommandBarEvents::ClickHandler handler);
  // Later clicks do nothing; the host may still hold the sink.
  void detach() noexcept;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

private:
  ClickSink(CommandBarEvents::ClickHandler handler, std::shared_ptr<const void> hold);
  ~ClickSink() = default;

  HRESULT click(EXCEPINFO* exception) noexcept;

  // Declared first so that it goes last.
  std::shared_ptr<const void> hold_;
  std::atomic<ULONG> references_{1};
  CommandBarEvents::ClickHandler handler_;
};

} // namespace velmora::win32
