#include "probe_calls.hpp"
#include "probe_windows.hpp"

#include <atomic>
#include <memory>
#include <new>
#include <ocidl.h>
#include <string>
#include <vector>

// A small add-in for the simulated IDE's own tests: a toolbar "Probe" whose buttons ask a
// question in a message box (確認), ask for a text in a dialog (入力) or fail (失敗), and a
// hotkey Ctrl+Shift+F11 held while the IDE is active. Each answer is written as a comment into
// line 1 of the active code window, where a scenario reads it.
namespace velmora::probe {

namespace {

// {6B1D3C52-4A8E-4F67-9C0B-2E5A7D914F38}
constexpr CLSID kProbeClsid = {
    0x6B1D3C52, 0x4A8E, 0x4F67, {0x9C, 0x0B, 0x2E, 0x5A, 0x7D, 0x91, 0x4F, 0x38}};
constexpr IID kExtensibility = {0x0002E151, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kClickEvents = {0x0002E198, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

// The IDE's add-in interface.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
struct Extensibility : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch*, LONG, IDispatch*, SAFEARRAY**) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnDisconnection(LONG, SAFEARRAY**) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) = 0;
  virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) = 0;
};

// IUnknown and the type-information part of IDispatch for the probe's objects.
template <typename Interface> class Counted : public Interface {
public:
  Counted() { ++liveObjects; }
  virtual ~Counted() { --liveObjects; }
  Counted(const Counted&) = delete;
  Counted& operator=(const Counted&) = delete;

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      delete this;
    }
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }

protected:
  HRESULT answer(REFIID iid, const IID& own, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, own)) {
      this->AddRef();
      *out = static_cast<Interface*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

private:
  std::atomic<ULONG> references_{1};
};

// Receives the Click of one button and passes it on.
class ClickSink final : public Counted<IDispatch> {
public:
  using Handler = std::function<HRESULT(EXCEPINFO*)>;
  explicit ClickSink(Handler handler) : handler_(std::move(handler)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return answer(iid, kClickEvents, out);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO* exception, UINT*) override {
    if (id != 1 || params == nullptr || params->cArgs != 3) {
      return DISP_E_MEMBERNOTFOUND;
    }
    return handler_(exception);
  }

private:
  Handler handler_;
};

class ProbeAddin final : public Counted<Extensibility> {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return answer(iid, kExtensibility, out);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* vbe, LONG, IDispatch*, SAFEARRAY**) override {
    try {
      vbe_ = vbe;
      vbe_->AddRef();
      IDispatch* bars = object(vbe_, L"CommandBars");
      VARIANT name = text(L"Probe");
      IDispatch* bar = object(bars, L"Add", {name});
      VariantClear(&name);
      VARIANT yes;
      V_VT(&yes) = VT_BOOL;
      V_BOOL(&yes) = VARIANT_TRUE;
      put(bar, L"Visible", yes);
      IDispatch* controls = object(bar, L"Controls");
      IDispatch* events = object(vbe_, L"Events");
      addButton(controls, events, L"確認", [this](EXCEPINFO*) {
        const int chosen = MessageBoxW(GetForegroundWindow(), L"続けますか?", L"Probe", MB_YESNO);
        return write(chosen == IDYES ? L"' はい" : L"' いいえ");
      });
      addButton(controls, events, L"入力", [this](EXCEPINFO*) {
        const auto typed = askText();
        return write(typed ? L"' " + *typed : std::wstring(L"' cancelled"));
      });
      addButton(controls, events, L"失敗", [](EXCEPINFO* exception) {
        if (exception != nullptr) {
          exception->scode = E_FAIL;
          exception->bstrDescription = SysAllocString(L"わざと失敗しました");
        }
        return DISP_E_EXCEPTION;
      });
      events->Release();
      controls->Release();
      bar->Release();
      bars->Release();
      hotkey_ = std::make_unique<HotkeyWindow>([this] { write(L"' hotkey"); });
      return S_OK;
    } catch (const ProbeFailure& failure) {
      return failure.result;
    }
  }

  HRESULT STDMETHODCALLTYPE OnDisconnection(LONG, SAFEARRAY**) override {
    hotkey_.reset();
    for (Connection& each : connections_) {
      each.point->Unadvise(each.cookie);
      each.point->Release();
      each.source->Release();
    }
    connections_.clear();
    HRESULT result = S_OK;
    try {
      VARIANT name = text(L"Probe");
      IDispatch* bars = object(vbe_, L"CommandBars");
      IDispatch* bar = object(bars, L"Item", {name});
      VariantClear(&name);
      VARIANT none = call(bar, L"Delete", DISPATCH_METHOD);
      VariantClear(&none);
      bar->Release();
      bars->Release();
    } catch (const ProbeFailure& failure) {
      result = failure.result;
    }
    vbe_->Release();
    vbe_ = nullptr;
    return result;
  }

  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY**) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY**) override { return S_OK; }

private:
  struct Connection {
    IDispatch* source;
    IConnectionPoint* point;
    DWORD cookie;
  };

  void addButton(IDispatch* controls, IDispatch* events, const wchar_t* caption,
                 ClickSink::Handler handler) {
    IDispatch* button = object(controls, L"Add", {number(1)});
    VARIANT captionValue = text(caption);
    put(button, L"Caption", captionValue);
    VariantClear(&captionValue);
    IDispatch* source = object(events, L"CommandBarEvents", {objectValue(button)});
    button->Release();
    IConnectionPointContainer* container = nullptr;
    source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
    IConnectionPoint* point = nullptr;
    container->FindConnectionPoint(kClickEvents, &point);
    container->Release();
    auto* sink = new ClickSink(std::move(handler));
    DWORD cookie = 0;
    point->Advise(sink, &cookie);
    sink->Release();
    connections_.push_back({source, point, cookie});
  }

  // Writes `line` as line 1 of the active code window.
  HRESULT write(const std::wstring& line) {
    try {
      IDispatch* pane = object(vbe_, L"ActiveCodePane");
      IDispatch* module = object(pane, L"CodeModule");
      VARIANT textValue = text(line);
      VARIANT none = call(module, L"InsertLines", DISPATCH_METHOD, {number(1), textValue});
      VariantClear(&none);
      VariantClear(&textValue);
      module->Release();
      pane->Release();
      return S_OK;
    } catch (const ProbeFailure& failure) {
      return failure.result;
    }
  }

  IDispatch* vbe_ = nullptr;
  std::vector<Connection> connections_;
  std::unique_ptr<HotkeyWindow> hotkey_;
};

// The one class factory, a static object that COM never deletes.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class Factory final : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer != nullptr) {
      return CLASS_E_NOAGGREGATION;
    }
    auto* addin = new (std::nothrow) ProbeAddin();
    if (addin == nullptr) {
      return E_OUTOFMEMORY;
    }
    const HRESULT result = addin->QueryInterface(iid, out);
    addin->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    serverLocks += lock ? 1 : -1;
    return S_OK;
  }
};

Factory factory;

} // namespace

} // namespace velmora::probe

extern "C" HRESULT STDMETHODCALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!IsEqualCLSID(clsid, velmora::probe::kProbeClsid)) {
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return velmora::probe::factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDMETHODCALLTYPE DllCanUnloadNow() {
  return velmora::probe::liveObjects == 0 && velmora::probe::serverLocks == 0 ? S_OK : S_FALSE;
}
