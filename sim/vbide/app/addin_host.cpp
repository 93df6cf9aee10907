#include "sim/vbide/app/addin_host.hpp"

#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/objects/bstr_text.hpp"

#include <string>

namespace velmora::sim::vbide {

namespace {

// An empty SAFEARRAY of VARIANT, the custom argument of the notifications.
class CustomArray {
public:
  CustomArray() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  ~CustomArray() {
    if (array_ != nullptr) {
      SafeArrayDestroy(array_);
    }
  }
  CustomArray(const CustomArray&) = delete;
  CustomArray& operator=(const CustomArray&) = delete;

  // The add-in may replace the array it is handed; whatever it leaves is destroyed here.
  SAFEARRAY** get() { return &array_; }

private:
  SAFEARRAY* array_;
};

std::wstring wideOf(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

std::string guidText(const CLSID& clsid) {
  wchar_t text[40] = {};
  StringFromGUID2(clsid, text, 40);
  return utf8Of(text);
}

// The error information the add-in left for a failed call, if any.
std::string errorDescription() {
  win32::ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) {
    return {};
  }
  BSTR description = nullptr;
  info->GetDescription(&description);
  const Bstr owned(bstrText(description));
  SysFreeString(description);
  return utf8Of(std::wstring(owned.get(), SysStringLen(owned.get())));
}

} // namespace

AddinHost::AddinHost(IdeLoop& loop, win32::ComPtr<IDispatch> vbe)
    : loop_(loop), vbe_(std::move(vbe)) {}

AddinHost::~AddinHost() {
  for (Addin& addin : addins_) {
    release(addin);
  }
}

bool AddinHost::report(const Addin& addin, const std::string& call, HRESULT result) {
  std::string line = addin.progId + ": " + call + " -> " + hresultText(result);
  if (FAILED(result)) {
    const std::string description = errorDescription();
    if (!description.empty()) {
      line += " (" + description + ")";
    }
  }
  logIde(line);
  return SUCCEEDED(result);
}

bool AddinHost::create(Addin& addin) {
  const std::wstring progId = wideOf(addin.progId);
  HRESULT result = CLSIDFromProgID(progId.c_str(), &addin.clsid);
  if (!report(addin, "CLSIDFromProgID", result)) {
    return false;
  }
  logIde(addin.progId + ": class " + guidText(addin.clsid));
  win32::ComPtr<IUnknown> object;
  result = CoCreateInstance(addin.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                            reinterpret_cast<void**>(object.put()));
  if (!report(addin, "CoCreateInstance(CLSCTX_INPROC_SERVER)", result)) {
    return false;
  }
  result = object->QueryInterface(kIidExtensibility,
                                  reinterpret_cast<void**>(addin.extensibility.put()));
  addin.designer = false;
  if (FAILED(result)) {
    report(addin, "QueryInterface(IDTExtensibility)", result);
    result = object->QueryInterface(kIidExtensibility2,
                                    reinterpret_cast<void**>(addin.extensibility.put()));
    addin.designer = true;
    if (!report(addin, "QueryInterface(_IDTExtensibility2)", result)) {
      return false;
    }
  } else {
    report(addin, "QueryInterface(IDTExtensibility)", result);
  }
  addin.state = std::make_shared<AddInState>();
  addin.state->progId = std::u16string(addin.progId.begin(), addin.progId.end());
  const std::string guid = guidText(addin.clsid);
  addin.state->guid = std::u16string(guid.begin(), guid.end());
  addin.state->description = addin.state->progId;
  addin.object = makeAddInObject(addin.state, vbe_);
  return true;
}

bool AddinHost::connectOne(Addin& addin, ConnectMode mode) {
  if (!addin.extensibility && !create(addin)) {
    return false;
  }
  CustomArray custom;
  HRESULT result = S_OK;
  {
    const IdeLoop::Busy inside(loop_);
    result = addin.extensibility->OnConnection(vbe_.get(), mode, addin.object.get(), custom.get());
  }
  const char* modeName = mode == kStartup ? "ext_cm_Startup" : "ext_cm_AfterStartup";
  const bool connected = report(addin, std::string("OnConnection(") + modeName + ")", result);
  addin.state->connected = connected;
  return connected;
}

bool AddinHost::disconnectOne(Addin& addin, RemoveMode mode) {
  if (!addin.extensibility || !addin.state->connected) {
    return true;
  }
  CustomArray custom;
  HRESULT result = S_OK;
  {
    const IdeLoop::Busy inside(loop_);
    result = addin.extensibility->OnDisconnection(mode, custom.get());
  }
  const char* modeName = mode == kHostShutdown ? "ext_dm_HostShutdown" : "ext_dm_UserClosed";
  addin.state->connected = false;
  return report(addin, std::string("OnDisconnection(") + modeName + ")", result);
}

void AddinHost::release(Addin& addin) {
  if (addin.extensibility) {
    addin.object.reset();
    addin.extensibility.reset();
    logIde(addin.progId + ": released");
  }
}

void AddinHost::startUp(const std::vector<AddinListEntry>& list) {
  for (const AddinListEntry& entry : list) {
    logIde(entry.progId + "=" + std::to_string(entry.load) +
           (entry.loadsAtStartup() ? ": loads at start-up" : ": not loaded at start-up"));
    if (!entry.loadsAtStartup()) {
      continue;
    }
    Addin addin;
    addin.progId = entry.progId;
    // An add-in that cannot be created is left out, as the IDE leaves it out.
    if (create(addin)) {
      addins_.push_back(std::move(addin));
      connectOne(addins_.back(), kStartup);
    }
  }
  for (Addin& addin : addins_) {
    if (addin.state && addin.state->connected) {
      CustomArray custom;
      HRESULT result = S_OK;
      {
        const IdeLoop::Busy inside(loop_);
        result = addin.extensibility->OnStartupComplete(custom.get());
      }
      report(addin, "OnStartupComplete", result);
    }
  }
}

bool AddinHost::connect(const std::string& progId) {
  bool any = false;
  bool all = true;
  for (Addin& addin : addins_) {
    if (!progId.empty() && addin.progId != progId) {
      continue;
    }
    any = true;
    if (addin.state && addin.state->connected) {
      continue;
    }
    all = connectOne(addin, kAfterStartup) && all;
  }
  return any && all;
}

bool AddinHost::disconnect(const std::string& progId) {
  bool any = false;
  bool all = true;
  for (Addin& addin : addins_) {
    if (!progId.empty() && addin.progId != progId) {
      continue;
    }
    any = true;
    all = disconnectOne(addin, kUserClosed) && all;
    release(addin);
  }
  return any && all;
}

void AddinHost::shutDown() {
  for (Addin& addin : addins_) {
    if (addin.designer && addin.state && addin.state->connected) {
      CustomArray custom;
      HRESULT result = S_OK;
      {
        const IdeLoop::Busy inside(loop_);
        result =
            static_cast<Extensibility2*>(addin.extensibility.get())->OnBeginShutdown(custom.get());
      }
      report(addin, "OnBeginShutdown", result);
    }
  }
  for (Addin& addin : addins_) {
    disconnectOne(addin, kHostShutdown);
    release(addin);
  }
  CoFreeUnusedLibraries();
  logIde("CoFreeUnusedLibraries");
}

int AddinHost::connectedCount() const {
  int count = 0;
  for (const Addin& addin : addins_) {
    count += addin.state && addin.state->connected ? 1 : 0;
  }
  return count;
}

} // namespace velmora::sim::vbide
