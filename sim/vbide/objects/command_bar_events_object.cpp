#include "sim/vbide/objects/command_bar_events_object.hpp"

#include "sim/vbide/objects/bstr_text.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <algorithm>
#include <ocidl.h>
#include <olectl.h>
#include <span>
#include <vector>

namespace velmora::sim::vbide {

namespace {

constexpr DISPID kClick = 1;

class CommandBarEventsObject;

// The one connection point of a CommandBarEvents object; it lives inside the object and shares
// its reference count.
class ClickConnectionPoint final : public IConnectionPoint {
public:
  explicit ClickConnectionPoint(CommandBarEventsObject& owner) : owner_(owner) {}
  virtual ~ClickConnectionPoint() = default;
  ClickConnectionPoint(const ClickConnectionPoint&) = delete;
  ClickConnectionPoint& operator=(const ClickConnectionPoint&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
    if (iid == nullptr) {
      return E_POINTER;
    }
    *iid = kIidCommandBarControlEvents;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override {
    if (sink == nullptr || cookie == nullptr) {
      return E_POINTER;
    }
    *cookie = 0;
    win32::ComPtr<IDispatch> events;
    if (FAILED(sink->QueryInterface(kIidCommandBarControlEvents,
                                    reinterpret_cast<void**>(events.put()))) ||
        !events) {
      return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = ++lastCookie_;
    sinks_.push_back({*cookie, std::move(events)});
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
    const auto it = std::find_if(sinks_.begin(), sinks_.end(),
                                 [&](const Sink& each) { return each.cookie == cookie; });
    if (it == sinks_.end()) {
      return CONNECT_E_NOCONNECTION;
    }
    // Released after the entry is gone, in case the sink's release calls back into us.
    const win32::ComPtr<IDispatch> released = std::move(it->events);
    sinks_.erase(it);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override {
    if (out != nullptr) {
      *out = nullptr;
    }
    return E_NOTIMPL;
  }

  // Invokes Click on every sink connected when the click began and still connected when its
  // turn comes.
  void fire(IDispatch* control, VARIANT_BOOL& handled, VARIANT_BOOL& cancelDefault,
            std::vector<std::u16string>& failures) {
    std::vector<DWORD> cookies;
    for (const Sink& sink : sinks_) {
      cookies.push_back(sink.cookie);
    }
    for (const DWORD cookie : cookies) {
      const auto it = std::find_if(sinks_.begin(), sinks_.end(),
                                   [&](const Sink& each) { return each.cookie == cookie; });
      if (it == sinks_.end()) {
        continue;
      }
      const win32::ComPtr<IDispatch> events = it->events;
      invokeClick(*events.get(), control, handled, cancelDefault, failures);
    }
  }

private:
  struct Sink {
    DWORD cookie;
    win32::ComPtr<IDispatch> events;
  };

  static void invokeClick(IDispatch& events, IDispatch* control, VARIANT_BOOL& handled,
                          VARIANT_BOOL& cancelDefault, std::vector<std::u16string>& failures) {
    VARIANTARG arguments[3];
    for (VARIANTARG& argument : arguments) {
      VariantInit(&argument);
    }
    V_VT(&arguments[0]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[0]) = &cancelDefault;
    V_VT(&arguments[1]) = VT_BOOL | VT_BYREF;
    V_BOOLREF(&arguments[1]) = &handled;
    V_VT(&arguments[2]) = VT_DISPATCH;
    V_DISPATCH(&arguments[2]) = control;
    DISPPARAMS params{arguments, nullptr, 3, 0};
    EXCEPINFO exception{};
    UINT argumentError = 0;
    const HRESULT result = events.Invoke(kClick, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &params, nullptr, &exception, &argumentError);
    if (FAILED(result)) {
      std::u16string failure = bstrText(exception.bstrDescription);
      if (failure.empty()) {
        char number[16];
        wsprintfA(number, "%08lX", static_cast<unsigned long>(result));
        failure = u"HRESULT 0x";
        failure.append(number, number + 8);
      }
      failures.push_back(std::move(failure));
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
  }

  CommandBarEventsObject& owner_;
  std::vector<Sink> sinks_;
  DWORD lastCookie_ = 0;
};

constexpr std::array<DispatchMember, 0> kNoMembers{};

class CommandBarEventsObject final : public DispatchObject,
                                     public IConnectionPointContainer,
                                     public ClickTarget {
public:
  CommandBarEventsObject(std::shared_ptr<CommandBarsModel> model,
                         std::shared_ptr<CommandBarControlModel> control)
      : DispatchObject(kNoMembers, IID_IDispatch, kVbideSource), model_(std::move(model)),
        control_(std::move(control)), point_(*this) {
    control_->clickTargets.push_back(this);
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return DispatchObject::QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return DispatchObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return DispatchObject::Release(); }

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override {
    if (out != nullptr) {
      *out = nullptr;
    }
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
    if (out == nullptr) {
      return E_POINTER;
    }
    *out = nullptr;
    if (!IsEqualIID(iid, kIidCommandBarControlEvents)) {
      return CONNECT_E_NOCONNECTION;
    }
    point_.AddRef();
    *out = &point_;
    return S_OK;
  }

  void deliverClick(IDispatch* control, VARIANT_BOOL& handled, VARIANT_BOOL& cancelDefault,
                    std::vector<std::u16string>& failures) override {
    point_.fire(control, handled, cancelDefault, failures);
  }
  IUnknown* identity() override { return static_cast<IDispatch*>(this); }

  IConnectionPointContainer* container() { return this; }

  ~CommandBarEventsObject() override { std::erase(control_->clickTargets, this); }

private:
  IUnknown* queryOther(REFIID iid) override {
    if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
      DispatchObject::AddRef();
      return static_cast<IConnectionPointContainer*>(this);
    }
    return nullptr;
  }

  void invoke(DISPID /*id*/, DispatchCall& /*call*/) override {
    throw DispatchFault(DISP_E_MEMBERNOTFOUND);
  }

  std::shared_ptr<CommandBarsModel> model_;
  std::shared_ptr<CommandBarControlModel> control_;
  ClickConnectionPoint point_;
};

HRESULT ClickConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
    AddRef();
    *out = static_cast<IConnectionPoint*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClickConnectionPoint::AddRef() {
  return owner_.AddRef();
}

ULONG ClickConnectionPoint::Release() {
  return owner_.Release();
}

HRESULT ClickConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (out == nullptr) {
    return E_POINTER;
  }
  owner_.AddRef();
  *out = owner_.container();
  return S_OK;
}

} // namespace

win32::ComPtr<IDispatch>
makeCommandBarEventsObject(std::shared_ptr<CommandBarsModel> model,
                           std::shared_ptr<CommandBarControlModel> control) {
  return win32::ComPtr<IDispatch>::adopt(
      new CommandBarEventsObject(std::move(model), std::move(control)));
}

} // namespace velmora::sim::vbide
