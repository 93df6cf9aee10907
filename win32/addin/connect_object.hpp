#pragma once

#include "addin/addin_session.hpp"
#include "addin/extensibility_facet.hpp"
#include "addin/interfaces.hpp"
#include "addin/server_module.hpp"
#include "com/com_ptr.hpp"
#include "com/dual_dispatch.hpp"

#include <array>
#include <atomic>
#include <memory>

namespace velmora::win32 {

// The add-in's connect object, the COM class VelmoraClass. Its own interface holds the event sinks
// of the five toolbar buttons; the IDE's add-in interfaces are answered by its facets, which share
// its identity. Only its Release deletes it, hence the private destructor.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class ConnectObject final : public DualDispatch<_VelmoraClass>,
                            public ISupportErrorInfo,
                            private EventSinkSlots {
public:
  // Makes a connect object and hands out its `iid` interface.
  static HRESULT create(REFIID iid, void** out) noexcept;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  HRESULT STDMETHODCALLTYPE get_DimMenuHandler(IDispatch** handler) override;
  HRESULT STDMETHODCALLTYPE put_DimMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE putref_DimMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE get_PrivateMenuHandler(IDispatch** handler) override;
  HRESULT STDMETHODCALLTYPE put_PrivateMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE putref_PrivateMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE get_PublicMenuHandler(IDispatch** handler) override;
  HRESULT STDMETHODCALLTYPE put_PublicMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE putref_PublicMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE get_BasMenuHandler(IDispatch** handler) override;
  HRESULT STDMETHODCALLTYPE put_BasMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE putref_BasMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE get_SetteiMenuHandler(IDispatch** handler) override;
  HRESULT STDMETHODCALLTYPE put_SetteiMenuHandler(IDispatch* handler) override;
  HRESULT STDMETHODCALLTYPE putref_SetteiMenuHandler(IDispatch* handler) override;

private:
  // The toolbar buttons whose event sinks the object holds, in the interface's order.
  enum Button : std::size_t { Dim, Private, Public, Bas, Settei, ButtonCount };

  ConnectObject();
  ~ConnectObject() override;

  void setEventSink(std::size_t button, IDispatch* events) override;

  IUnknown& identity() noexcept { return *static_cast<_VelmoraClass*>(this); }
  HRESULT sink(Button button, IDispatch** out) const noexcept;
  HRESULT setSink(Button button, IDispatch* sink) noexcept;

  // Declared first so that the library counts the object until everything else is gone.
  server::ObjectReference counted_;
  std::atomic<ULONG> references_{1};
  std::unique_ptr<AddinSession> session_;
  Extensibility1Facet extensibility_;
  Extensibility2Facet extensibility2_;
  std::array<ComPtr<IDispatch>, ButtonCount> sinks_;
};

} // namespace velmora::win32
