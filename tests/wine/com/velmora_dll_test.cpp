#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "com/simulated_ide.hpp"
#include "common/error_info.hpp"
#include "common/hot_key_probe.hpp"
#include "forms/handle_cast.hpp"
#include "host/dispatch_object.hpp"
#include "host/fake_dispatch.hpp"
#include "setup/message_box_watcher.hpp"

#include <cwchar>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Velmora.dll as the IDE loads it: created by its ProgID from the registration, connected to the
// simulated IDE's automation objects (which check the calls as the IDE does), clicked,
// disconnected and unloaded.
namespace velmora::test {
namespace {

using win32::ComPtr;

const std::vector<std::wstring> kSinkProperties = {L"DimMenuHandler", L"PrivateMenuHandler",
                                                   L"PublicMenuHandler", L"BasMenuHandler",
                                                   L"SetteiMenuHandler"};

bool velmoraLoaded() {
  return GetModuleHandleW(L"Velmora.dll") != nullptr;
}

// What COM does when the IDE frees unused libraries: the first call marks the library as
// unused, the second frees it.
void freeUnusedLibraries() {
  CoFreeUnusedLibrariesEx(0, 0);
  CoFreeUnusedLibrariesEx(0, 0);
}

// Whether Ctrl+Shift+D, the default Dim hotkey, is free for anyone to take.
bool dimHotKeyIsFree() {
  return testing::registrationError(testing::kCtrlShift, 'D') == 0;
}

BOOL CALLBACK countWindow(HWND window, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (wcsncmp(name, L"VelmoraForm", 11) == 0) {
    ++*win32::fromInteger<int*>(found);
  }
  return TRUE;
}

// The forms toolkit's windows on this thread: the forms and the window owning them.
int libraryWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The object a sink property of the connect object holds.
ComPtr<IDispatch> sinkOf(IUnknown* addin, const std::wstring& name) {
  win32::DispatchObject object(ComPtr<IUnknown>(addin).as<IDispatch>(IID_IDispatch), nullptr,
                               u"VelmoraClass");
  return object.get(reinterpret_cast<const char16_t*>(name.c_str())).toObject();
}

// Sets a sink property by reference (Set in Basic) or by value.
HRESULT setSink(IUnknown* addin, const std::wstring& name, IDispatch* sink, WORD flags) {
  const ComPtr<IDispatch> dispatch = ComPtr<IUnknown>(addin).as<IDispatch>(IID_IDispatch);
  auto* names = const_cast<LPOLESTR>(name.c_str());
  DISPID id = DISPID_UNKNOWN;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  VARIANT value;
  V_VT(&value) = VT_DISPATCH;
  V_DISPATCH(&value) = sink;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &put, 1, 1};
  return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr, nullptr,
                          nullptr);
}

class VelmoraDll : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK); }
  static void TearDownTestSuite() { EXPECT_EQ(callServerExport("DllUnregisterServer"), S_OK); }

  void SetUp() override {
    ASSERT_EQ(apartment_.result(), S_OK);
    ASSERT_FALSE(velmoraLoaded());
    ASSERT_TRUE(dimHotKeyIsFree());
    addin_ = create();
    ASSERT_TRUE(addin_);
    custom_ = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  }
  void TearDown() override {
    SafeArrayDestroy(custom_);
    addin_.reset();
    freeUnusedLibraries();
  }

  static ComPtr<HostExtensibility> create() {
    CLSID clsid = {};
    ComPtr<HostExtensibility> addin;
    EXPECT_EQ(CLSIDFromProgID(kProgId, &clsid), S_OK);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kExtensibilityIid,
                               reinterpret_cast<void**>(addin.put())),
              S_OK);
    return addin;
  }

  static DISPID idOf(IDispatch& dispatch, const std::wstring& name) {
    auto* names = const_cast<LPOLESTR>(name.c_str());
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
    return id;
  }

  Apartment apartment_;
  testing::MessageBoxWatcher boxes_;
  SettingsFileBeside settings_;
  SimulatedIde ide_;
  ComPtr<HostExtensibility> addin_;
  SAFEARRAY* custom_ = nullptr;
};

TEST_F(VelmoraDll, AnswersBothAddinInterfacesWithOneIdentity) {
  const auto identity = addin_.as<IUnknown>(IID_IUnknown);
  for (const IID& iid : {IID_IDispatch, kVelmoraClassIid, kExtensibilityIid, kExtensibility2Iid,
                         IID_ISupportErrorInfo}) {
    ComPtr<IUnknown> facet = addin_.as<IUnknown>(iid);
    ASSERT_TRUE(facet);
    EXPECT_EQ(facet.as<IUnknown>(IID_IUnknown).get(), identity.get());
  }
  void* none = &none;
  EXPECT_EQ(addin_->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
}

TEST_F(VelmoraDll, SinkPropertiesHoldTheirObjectsThroughIDispatch) {
  FakeDispatch sinks[5];
  for (std::size_t i = 0; i < kSinkProperties.size(); ++i) {
    const WORD flags = i < 3 ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    ASSERT_EQ(setSink(addin_.get(), kSinkProperties[i], &sinks[i], flags), S_OK) << i;
  }
  for (std::size_t i = 0; i < kSinkProperties.size(); ++i) {
    EXPECT_EQ(sinkOf(addin_.get(), kSinkProperties[i]).get(), &sinks[i]) << i;
    EXPECT_EQ(sinks[i].references(), 2U) << i;
  }
  // Replacing a sink releases the old one; clearing it leaves nothing.
  ASSERT_EQ(setSink(addin_.get(), kSinkProperties[0], &sinks[1], DISPATCH_PROPERTYPUTREF), S_OK);
  EXPECT_EQ(sinks[0].references(), 1U);
  ASSERT_EQ(setSink(addin_.get(), kSinkProperties[0], nullptr, DISPATCH_PROPERTYPUTREF), S_OK);
  EXPECT_FALSE(sinkOf(addin_.get(), kSinkProperties[0]));
  // The host's release of the connect object releases the sinks it holds.
  addin_.reset();
  for (const FakeDispatch& sink : sinks) {
    EXPECT_EQ(sink.references(), 1U);
  }
}

TEST_F(VelmoraDll, TypeInformationNamesTheSinkPropertiesInOrder) {
  const auto dispatch = addin_.as<IDispatch>(IID_IDispatch);
  UINT count = 0;
  ASSERT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1U);
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualIID(attributes->guid, kVelmoraClassIid));
  const WORD functions = attributes->cFuncs;
  info->ReleaseTypeAttr(attributes);

  std::vector<std::wstring> names;
  for (UINT i = 0; i < functions; ++i) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(info->GetFuncDesc(i, &function), S_OK);
    BSTR name = nullptr;
    ASSERT_EQ(info->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr), S_OK);
    if (names.empty() || names.back() != name) {
      names.emplace_back(name);
    }
    SysFreeString(name);
    info->ReleaseFuncDesc(function);
  }
  EXPECT_EQ(names, kSinkProperties);
}

TEST_F(VelmoraDll, ConnectsDeclaresOnAClickDisconnectsAndUnloads) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 1, nullptr, &custom_), S_OK);
  ASSERT_TRUE(boxes_.seen.empty()) << boxes_.seen[0].text;
  const auto bar = ide_.toolbar();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->visible);
  EXPECT_EQ(bar->position, sim::vbide::kBarTop);
  EXPECT_FALSE(bar->temporary);
  EXPECT_EQ(ide_.captions(), (std::vector<std::u16string>{u"Dim宣言", u"Private宣言", u"Public宣言",
                                                          u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"}));
  for (std::size_t i = 0; i < bar->controls.size(); ++i) {
    const auto& control = *bar->controls[i];
    EXPECT_EQ(control.beginGroup, i == 4) << i;
    EXPECT_NE(control.face, nullptr) << i;
    EXPECT_EQ(control.clickTargets.size(), 1U) << i;
  }
  EXPECT_EQ(bar->controls[0]->tooltipText, u"Dim宣言(Ctrl+Shift+D)");
  EXPECT_EQ(bar->controls[3]->tooltipText, u"標準ﾓｼﾞｭｰﾙ内Public宣言(Ctrl+Shift+B)");
  for (const std::wstring& name : kSinkProperties) {
    EXPECT_TRUE(sinkOf(addin_.get(), name)) << name;
  }
  EXPECT_FALSE(dimHotKeyIsFree());

  const sim::vbide::ClickOutcome outcome = ide_.click(0);
  EXPECT_EQ(outcome.sources, 1);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_FALSE(outcome.handled);
  EXPECT_FALSE(outcome.cancelDefault);
  EXPECT_EQ(ide_.module->lineTexts(), kMainDeclared);

  ASSERT_EQ(addin_->OnDisconnection(1, &custom_), S_OK);
  EXPECT_EQ(ide_.toolbar(), nullptr);
  EXPECT_TRUE(bar->deleted);
  EXPECT_EQ(ide_.world->bars->count(), 5) << "every built-in bar is still there";
  EXPECT_TRUE(dimHotKeyIsFree());
  // The event objects stay in the properties until the IDE releases the connect object.
  EXPECT_TRUE(sinkOf(addin_.get(), kSinkProperties[0]));

  // Disconnecting once more fails at its first step, with the IDE's description.
  const HRESULT again = addin_->OnDisconnection(1, &custom_);
  EXPECT_TRUE(FAILED(again));
  EXPECT_FALSE(testing::takeErrorDescription().empty());

  freeUnusedLibraries();
  EXPECT_TRUE(velmoraLoaded());
  addin_.reset();
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
  EXPECT_EQ(libraryWindows(), 0);
  EXPECT_TRUE(boxes_.seen.empty());
}

// The IDE lets go of the connect object without disconnecting it (as when it crashes): nothing
// of the add-in is left, and the toolbar, the IDE's to keep, serves the next connection.
TEST_F(VelmoraDll, UnloadsWhenTheIdeLetsGoWithoutDisconnecting) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 0, nullptr, &custom_), S_OK);
  ASSERT_NE(ide_.toolbar(), nullptr);
  ASSERT_FALSE(dimHotKeyIsFree());
  addin_.reset();
  EXPECT_TRUE(dimHotKeyIsFree());
  EXPECT_EQ(libraryWindows(), 0);
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
  EXPECT_EQ(ide_.click(0).sources, 0) << "a click on a button of the gone connection";
  EXPECT_EQ(ide_.module->lineTexts(), kMainCode);

  ASSERT_NE(ide_.toolbar(), nullptr);
  addin_ = create();
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 0, nullptr, &custom_), S_OK);
  EXPECT_TRUE(boxes_.seen.empty());
  int bars = 0;
  for (const auto& bar : ide_.world->bars->bars()) {
    bars += bar->nameLocal == kToolbar ? 1 : 0;
  }
  EXPECT_EQ(bars, 1);
  EXPECT_EQ(ide_.captions().size(), 5U) << "this run's buttons only";
  ide_.click(0);
  EXPECT_EQ(ide_.module->lineTexts(), kMainDeclared);
  ASSERT_EQ(addin_->OnDisconnection(0, &custom_), S_OK);
  EXPECT_EQ(ide_.toolbar(), nullptr);
}

// An object that is no VBE, or none, is reported, the connection succeeds all the same through
// either add-in interface, and the disconnection that follows fails with the IDE's description
// of an object missing. The other notifications succeed; nothing holds the objects passed in.
TEST_F(VelmoraDll, AnObjectThatIsNoVbeIsReportedAndTheConnectionStillSucceeds) {
  FakeDispatch stranger;
  FakeDispatch addInInst;
  for (const IID& iid : {kExtensibilityIid, kExtensibility2Iid}) {
    const auto addin = addin_.as<HostExtensibility>(iid);
    EXPECT_EQ(addin->OnStartupComplete(&custom_), S_OK);
    for (IDispatch* vbInst :
         {static_cast<IDispatch*>(&stranger), static_cast<IDispatch*>(nullptr)}) {
      boxes_.seen.clear();
      SAFEARRAY** custom = vbInst != nullptr ? &custom_ : nullptr; // a host may pass none
      EXPECT_EQ(addin->OnConnection(vbInst, 1, &addInInst, custom), S_OK);
      ASSERT_EQ(boxes_.seen.size(), 1U);
      EXPECT_EQ(boxes_.seen[0].text, L"型が一致しません。");
      EXPECT_EQ(boxes_.seen[0].title, L"Velmora");
      EXPECT_EQ(addin->OnAddInsUpdate(&custom_), S_OK);
      EXPECT_TRUE(FAILED(addin->OnDisconnection(1, custom)));
      EXPECT_EQ(testing::takeErrorDescription(),
                L"オブジェクト変数または With ブロック変数が設定されていません。");
    }
  }
  EXPECT_EQ(addin_.as<HostExtensibility2>(kExtensibility2Iid)->OnBeginShutdown(&custom_), S_OK);
  for (const std::wstring& name : kSinkProperties) {
    EXPECT_FALSE(sinkOf(addin_.get(), name)) << name;
  }
  addin_.reset();
  EXPECT_EQ(stranger.references(), 1U);
  EXPECT_EQ(addInInst.references(), 1U);
  EXPECT_TRUE(stranger.calls.empty());
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
}

// The notifications called by name, as a late-bound host calls them, through either interface.
TEST_F(VelmoraDll, AddinNotificationsSucceedThroughIDispatch) {
  FakeDispatch vbe;
  const auto custom = [this] {
    win32::OwnedVariant byReference;
    V_VT(byReference.get()) = VT_ARRAY | VT_VARIANT | VT_BYREF;
    V_ARRAYREF(byReference.get()) = &custom_;
    return byReference;
  };
  for (const IID& iid : {kExtensibilityIid, kExtensibility2Iid}) {
    const auto addin = addin_.as<IDispatch>(iid);
    EXPECT_EQ(idOf(*addin.get(), L"OnConnection"), 1);
    EXPECT_EQ(idOf(*addin.get(), L"OnStartupComplete"), 4);
    win32::DispatchObject host(addin, nullptr, u"IDTExtensibility");
    EXPECT_NO_THROW(host.run(u"OnConnection", win32::OwnedVariant::object(&vbe),
                             win32::OwnedVariant::int32(2), win32::OwnedVariant::object(nullptr),
                             custom()));
    EXPECT_THROW(host.run(u"OnDisconnection", win32::OwnedVariant::int32(1), custom()), HostError);
  }
  EXPECT_EQ(boxes_.seen.size(), 2U);
  EXPECT_EQ(idOf(*addin_.as<IDispatch>(kExtensibility2Iid).get(), L"OnBeginShutdown"), 5);
  EXPECT_EQ(vbe.references(), 1U);
}

} // namespace
} // namespace velmora::test
