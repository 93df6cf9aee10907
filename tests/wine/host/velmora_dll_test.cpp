#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "common/error_info.hpp"
#include "common/hot_key_probe.hpp"
#include "host/simulated_ide.hpp"
#include "setup/message_box_watcher.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Velmora.dll as the IDE loads it: created by its ProgID from the registration, connected to the
// simulated IDE's VBE, clicked, disconnected and unloaded.
namespace velmora::test {
namespace {

using win32::ComPtr;

const wchar_t* const kSinkProperties[] = {L"DimMenuHandler", L"PrivateMenuHandler",
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

bool dimHotKeyIsFree() {
  return testing::registrationError(testing::kCtrlShift, 'D') == 0;
}

// The object a property of the connect object holds (a reference of the caller's own).
ComPtr<IDispatch> property(IUnknown& object, const wchar_t* name) {
  ComPtr<IDispatch> dispatch;
  object.QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put()));
  auto* names = const_cast<LPOLESTR>(name);
  DISPID id = DISPID_UNKNOWN;
  if (!dispatch || FAILED(dispatch->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id))) {
    return nullptr;
  }
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                   nullptr);
  ComPtr<IDispatch> held = V_VT(&result) == VT_DISPATCH ? ComPtr(V_DISPATCH(&result)) : nullptr;
  VariantClear(&result);
  return held;
}

// Whether the registered Velmora.dll runs the add-in behind its connect object: handed an object
// that is no VBE, the add-in says so in a message box. A library still built with the connect
// object alone does nothing.
bool libraryRunsTheAddin() {
  Apartment apartment;
  testing::MessageBoxWatcher boxes;
  CountingDispatch stranger;
  ComPtr<HostExtensibility> addin;
  if (FAILED(CoCreateInstance(kVelmoraClsid, nullptr, CLSCTX_INPROC_SERVER, kExtensibilityIid,
                              reinterpret_cast<void**>(addin.put())))) {
    return false;
  }
  addin->OnConnection(&stranger, 1, nullptr, nullptr);
  addin.reset();
  freeUnusedLibraries();
  return !boxes.seen.empty();
}

class VelmoraDll : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK);
    runsTheAddin_ = libraryRunsTheAddin();
  }
  static void TearDownTestSuite() { EXPECT_EQ(callServerExport("DllUnregisterServer"), S_OK); }

  void SetUp() override {
    if (!runsTheAddin_) {
      GTEST_SKIP() << "Velmora.dll is built with its connect object alone";
    }
    ASSERT_EQ(apartment_.result(), S_OK);
    ASSERT_FALSE(velmoraLoaded());
    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(kProgId, &clsid), S_OK);
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kExtensibilityIid,
                               reinterpret_cast<void**>(addin_.put())),
              S_OK);
    custom_ = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  }
  void TearDown() override {
    if (custom_ != nullptr) {
      SafeArrayDestroy(custom_);
    }
  }

  static inline bool runsTheAddin_ = false;
  Apartment apartment_;
  testing::MessageBoxWatcher boxes_;
  SettingsFileBeside settings_;
  SimulatedIde ide_;
  ComPtr<HostExtensibility> addin_;
  SAFEARRAY* custom_ = nullptr;
};

TEST_F(VelmoraDll, ConnectsDeclaresOnAClickDisconnectsAndUnloads) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 1, nullptr, &custom_), S_OK);
  ASSERT_TRUE(boxes_.seen.empty()) << boxes_.seen[0].text;
  EXPECT_EQ(ide_.captions(), (std::vector<std::u16string>{u"Dim宣言", u"Private宣言", u"Public宣言",
                                                          u"標準ﾓｼﾞｭｰﾙPublic宣言", u"設定"}));
  for (const wchar_t* name : kSinkProperties) {
    EXPECT_TRUE(property(*addin_.get(), name)) << name;
  }
  EXPECT_FALSE(dimHotKeyIsFree());

  const sim::vbide::ClickOutcome outcome = ide_.click(0);
  EXPECT_EQ(outcome.sources, 1);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_EQ(ide_.module->lineTexts(), kMainDeclared);

  ASSERT_EQ(addin_->OnDisconnection(1, &custom_), S_OK);
  EXPECT_EQ(ide_.toolbar(), nullptr);
  EXPECT_TRUE(dimHotKeyIsFree());
  // The event objects stay in the properties until the IDE releases the connect object.
  EXPECT_TRUE(property(*addin_.get(), kSinkProperties[0]));

  // Disconnecting once more fails at its first step, with the IDE's description.
  const HRESULT again = addin_->OnDisconnection(1, &custom_);
  EXPECT_TRUE(FAILED(again));
  EXPECT_FALSE(testing::takeErrorDescription().empty());

  freeUnusedLibraries();
  EXPECT_TRUE(velmoraLoaded());
  addin_.reset();
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
  EXPECT_TRUE(boxes_.seen.empty());
}

TEST_F(VelmoraDll, UnloadsWhenTheIdeLetsGoWithoutDisconnecting) {
  ASSERT_EQ(addin_->OnConnection(ide_.vbe.get(), 0, nullptr, &custom_), S_OK);
  ASSERT_NE(ide_.toolbar(), nullptr);
  ASSERT_FALSE(dimHotKeyIsFree());
  addin_.reset();
  EXPECT_TRUE(dimHotKeyIsFree());
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
  // The toolbar is the IDE's to keep; the next run reuses it.
  EXPECT_NE(ide_.toolbar(), nullptr);
}

TEST_F(VelmoraDll, AnObjectThatIsNoVbeIsReportedAndTheConnectionStillSucceeds) {
  CountingDispatch stranger;
  EXPECT_EQ(addin_->OnConnection(&stranger, 1, nullptr, &custom_), S_OK);
  ASSERT_EQ(boxes_.seen.size(), 1U);
  EXPECT_EQ(boxes_.seen[0].text, L"型が一致しません。");
  EXPECT_EQ(boxes_.seen[0].title, L"Velmora");
  EXPECT_TRUE(FAILED(addin_->OnDisconnection(1, &custom_)));
  EXPECT_EQ(testing::takeErrorDescription(),
            L"オブジェクト変数または With ブロック変数が設定されていません。");
  addin_.reset();
  EXPECT_EQ(stranger.references(), 1U);
  freeUnusedLibraries();
  EXPECT_FALSE(velmoraLoaded());
}

} // namespace
} // namespace velmora::test
