#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "com/simulated_ide.hpp"
#include "common/error_info.hpp"
#include "common/hot_key_probe.hpp"
#include "host/dispatch_object.hpp"
#include "host/fake_dispatch.hpp"
#include "setup/message_box_watcher.hpp"

#include <gtest/gtest.h>

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

// Whether a window of the forms toolkit (a form or the window owning them) is left.
bool libraryWindowsLeft() {
  return FindWindowW(L"VelmoraForm", nullptr) != nullptr ||
         FindWindowW(L"VelmoraFormOwner", nullptr) != nullptr;
}

// The object a sink property of the connect object holds.
ComPtr<IDispatch> sinkOf(IUnknown* addin, const std::wstring& name) {
  win32::DispatchObject object(ComPtr<IUnknown>(addin).as<IDispatch>(IID_IDispatch), nullptr,
                               u"VelmoraClass");
  return object.get(reinterpret_cast<const char16_t*>(name.c_str())).toObject();
}

class VelmoraDll : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK); }
  static void TearDownTestSuite() { EXPECT_EQ(callServerExport("DllUnregisterServer"), S_OK); }

  void SetUp() override {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
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
    CoUninitialize();
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

  testing::MessageBoxWatcher boxes_;
  SettingsFileBeside settings_;
  SimulatedIde ide_;
  ComPtr<HostExtensibility> addin_;
  SAFEARRAY* custom_ = nullptr;
};

TEST_F(VelmoraDll, ConnectsDeclaresOnAClickDisconnectsAndUnloads) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 1, nullptr, &custom_), S_OK);
  ASSERT_TRUE(boxes_.seen.empty()) << boxes_.seen[0].text;
  const auto bar = ide_.toolbar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ide_.captions(), (std::vector<std::u16string>{u"Dim宣言", u"Private宣言", u"Public宣言",
                                                          u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"}));
  for (const auto& control : bar->controls) {
    EXPECT_EQ(control->clickTargets.size(), 1U);
  }
  EXPECT_EQ(bar->controls[0]->tooltipText, u"Dim宣言(Ctrl+Shift+D)");
  EXPECT_FALSE(dimHotKeyIsFree());

  EXPECT_TRUE(ide_.click(0).failures.empty());
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
  EXPECT_FALSE(libraryWindowsLeft());
  EXPECT_TRUE(boxes_.seen.empty());
}

// The IDE lets go of the connect object without disconnecting it (as when it crashes): nothing
// of the add-in is left but the toolbar, which ToolbarTest.ALeftoverBarIsReused... takes over.
TEST_F(VelmoraDll, UnloadsWhenTheIdeLetsGoWithoutDisconnecting) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 0, nullptr, &custom_), S_OK);
  ASSERT_NE(ide_.toolbar(), nullptr);
  ASSERT_FALSE(dimHotKeyIsFree());
  // A reference to either interface keeps the object; a lock on the class keeps the library.
  ComPtr<IUnknown> facet = addin_.as<IUnknown>(kExtensibility2Iid);
  addin_.reset();
  EXPECT_FALSE(dimHotKeyIsFree());
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(CoGetClassObject(kVelmoraClsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                             reinterpret_cast<void**>(factory.put())),
            S_OK);
  ASSERT_EQ(factory->LockServer(TRUE), S_OK);
  facet.reset();
  EXPECT_TRUE(dimHotKeyIsFree());
  EXPECT_FALSE(libraryWindowsLeft());
  freeUnusedLibraries();
  EXPECT_TRUE(velmoraLoaded());
  factory->LockServer(FALSE);
  factory.reset();
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
  EXPECT_EQ(ide_.click(0).sources, 0) << "a click on a button of the gone connection";
  EXPECT_EQ(ide_.module->lineTexts(), kMainCode);
  EXPECT_NE(ide_.toolbar(), nullptr) << "the IDE's to keep";
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
    // The IDE reads that description only where the object says it leaves one.
    EXPECT_EQ(addin.as<ISupportErrorInfo>(IID_ISupportErrorInfo)->InterfaceSupportsErrorInfo(iid),
              S_OK);
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

} // namespace
} // namespace velmora::test
