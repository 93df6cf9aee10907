#pragma once

#include "addin/addin_session.hpp"
#include "addin/interfaces.hpp"
#include "addin/server_module.hpp"
#include "com/com_boundary.hpp"
#include "com/com_ptr.hpp"
#include "com/dual_dispatch.hpp"

namespace velmora::win32 {

// One of the IDE's add-in interfaces on the connect object. It belongs to the connect object
// (`owner`, whose identity and lifetime it shares) and hands connection and disconnection to the
// object's session; the other notifications change nothing.
template <typename Interface> class ExtensibilityFacet : public DualDispatch<Interface> {
public:
  ExtensibilityFacet(IUnknown& owner, AddinSession& session, const IID& iid) noexcept
      : DualDispatch<Interface>(server::moduleHandle(), kAddinInterfacesTypeLib, iid),
        owner_(owner), session_(session), iid_(iid) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return owner_.QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* vbInst, LONG /*connectMode*/,
                                         IDispatch* addInInst, SAFEARRAY** /*custom*/) override {
    // Dialogs shown while connecting dispatch messages; the IDE's objects and this one stay
    // alive until the call returns whatever the IDE releases meanwhile.
    const ComPtr<IUnknown> self(&owner_);
    const ComPtr<IDispatch> ide(vbInst);
    const ComPtr<IDispatch> addIn(addInInst);
    return comBoundary(iid_, [&] { session_.onConnection(vbInst); });
  }

  HRESULT STDMETHODCALLTYPE OnDisconnection(LONG /*removeMode*/, SAFEARRAY** /*custom*/) override {
    const ComPtr<IUnknown> self(&owner_);
    return comBoundary(iid_, [&] { session_.onDisconnection(); });
  }

  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** /*custom*/) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** /*custom*/) override { return S_OK; }

private:
  IUnknown& owner_;
  AddinSession& session_;
  IID iid_;
};

// The add-in designer's interface: the same notifications, and the start of the IDE's shut-down,
// which changes nothing either.
class Extensibility2Facet final : public ExtensibilityFacet<_IDTExtensibility2> {
public:
  Extensibility2Facet(IUnknown& owner, AddinSession& session) noexcept
      : ExtensibilityFacet(owner, session, IID__IDTExtensibility2) {}

  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** /*custom*/) override { return S_OK; }
};

class Extensibility1Facet final : public ExtensibilityFacet<IDTExtensibility> {
public:
  Extensibility1Facet(IUnknown& owner, AddinSession& session) noexcept
      : ExtensibilityFacet(owner, session, IID_IDTExtensibility) {}
};

} // namespace velmora::win32
