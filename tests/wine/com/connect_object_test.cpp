#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "host/fake_dispatch.hpp"
#include "setup/message_box_watcher.hpp"
#include "vbide/automation_client.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

using win32::ComPtr;

const std::vector<std::wstring> kSinkNames = {L"DimMenuHandler", L"PrivateMenuHandler",
                                              L"PublicMenuHandler", L"BasMenuHandler",
                                              L"SetteiMenuHandler"};

// The connect object as the IDE gets it: created by its ProgID from the registered server.
class ConnectObject : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK); }
  static void TearDownTestSuite() { EXPECT_EQ(callServerExport("DllUnregisterServer"), S_OK); }

  void SetUp() override {
    ASSERT_EQ(apartment_.result(), S_OK);
    CLSID clsid = {};
    ASSERT_EQ(CLSIDFromProgID(kProgId, &clsid), S_OK);
    ASSERT_TRUE(IsEqualCLSID(clsid, kVelmoraClsid));
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(object_.put())),
              S_OK);
  }

  template <typename T> ComPtr<T> query(const IID& iid) const { return object_.as<T>(iid); }

  static DISPID idOf(IDispatch& dispatch, const std::wstring& name) {
    auto* names = const_cast<LPOLESTR>(name.c_str());
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch.GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
    return id;
  }

  Apartment apartment_;
  ComPtr<IUnknown> object_;
};

TEST_F(ConnectObject, AnswersBothAddinInterfacesWithOneIdentity) {
  const IID answered[] = {IID_IDispatch, kVelmoraClassIid, kExtensibilityIid, kExtensibility2Iid,
                          IID_ISupportErrorInfo};
  for (const IID& iid : answered) {
    ComPtr<IUnknown> facet = query<IUnknown>(iid);
    ASSERT_TRUE(facet);
    EXPECT_EQ(facet.as<IUnknown>(IID_IUnknown).get(), object_.get());
  }
  void* none = &none;
  EXPECT_EQ(object_->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
}

TEST_F(ConnectObject, SinkPropertiesHoldTheirObjectsThroughIDispatch) {
  ComPtr<IDispatch> dispatch = query<IDispatch>(IID_IDispatch);
  ASSERT_TRUE(dispatch);
  // Set by reference (Set in VB) for the first ones, assigned for the last.
  const auto set = [&](std::size_t i, IDispatch* sink) {
    const WORD flags = i < 3 ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    return invoke(dispatch.get(), kSinkNames[i].c_str(), flags, {Value::object(sink)}).result;
  };
  // The sink a property holds.
  const auto held = [&](std::size_t i) {
    return get(dispatch.get(), kSinkNames[i].c_str()).dispatch();
  };

  FakeDispatch sinks[5];
  for (std::size_t i = 0; i < kSinkNames.size(); ++i) {
    ASSERT_EQ(set(i, &sinks[i]), S_OK) << i;
  }
  for (std::size_t i = 0; i < kSinkNames.size(); ++i) {
    EXPECT_EQ(held(i), &sinks[i]) << i;
    EXPECT_EQ(sinks[i].references(), 2U) << i;
  }

  // Replacing a sink releases the old one; clearing it leaves nothing.
  ASSERT_EQ(set(0, &sinks[1]), S_OK);
  EXPECT_EQ(sinks[0].references(), 1U);
  ASSERT_EQ(set(0, nullptr), S_OK);
  EXPECT_EQ(held(0), nullptr);

  // The host's release of the connect object releases the sinks it holds.
  dispatch.reset();
  object_.reset();
  for (const FakeDispatch& sink : sinks) {
    EXPECT_EQ(sink.references(), 1U);
  }
}

TEST_F(ConnectObject, TypeInformationNamesTheSinkPropertiesInOrder) {
  ComPtr<IDispatch> dispatch = query<IDispatch>(IID_IDispatch);
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
  EXPECT_EQ(names, kSinkNames);
}

// The stand-in host object is no IDE: each connection reports that in a message box (answered
// here) and still succeeds; the disconnection that follows has no toolbar to remove and fails.
TEST_F(ConnectObject, AddinNotificationsSucceedThroughBothVtables) {
  testing::MessageBoxWatcher boxes;
  FakeDispatch vbe;
  FakeDispatch addIn;
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  for (const IID& iid : {kExtensibilityIid, kExtensibility2Iid}) {
    ComPtr<HostExtensibility> addin = query<HostExtensibility>(iid);
    ASSERT_TRUE(addin);
    EXPECT_EQ(addin->OnStartupComplete(&custom), S_OK);
    EXPECT_EQ(addin->OnConnection(&vbe, 1, &addIn, &custom), S_OK);
    EXPECT_EQ(addin->OnAddInsUpdate(&custom), S_OK);
    EXPECT_TRUE(FAILED(addin->OnDisconnection(1, &custom)));
    EXPECT_EQ(addin->OnConnection(&vbe, 0, nullptr, nullptr), S_OK);
    EXPECT_TRUE(FAILED(addin->OnDisconnection(0, nullptr)));
  }
  EXPECT_EQ(boxes.seen.size(), 4U);
  ComPtr<HostExtensibility2> addin2 = query<HostExtensibility2>(kExtensibility2Iid);
  EXPECT_EQ(addin2->OnBeginShutdown(&custom), S_OK);
  SafeArrayDestroy(custom);
  // Held for the call only.
  EXPECT_EQ(vbe.references(), 1U);
  EXPECT_EQ(addIn.references(), 1U);
}

TEST_F(ConnectObject, AddinNotificationsSucceedThroughIDispatch) {
  testing::MessageBoxWatcher boxes;
  FakeDispatch vbe;
  SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
  for (const IID& iid : {kExtensibilityIid, kExtensibility2Iid}) {
    ComPtr<IDispatch> addin = query<IDispatch>(iid);
    ASSERT_TRUE(addin);
    EXPECT_EQ(idOf(*addin.get(), L"OnConnection"), 1);
    EXPECT_EQ(idOf(*addin.get(), L"OnStartupComplete"), 4);

    // Arguments come last to first: custom, AddInInst, ConnectMode, VBInst.
    VARIANT arguments[4];
    for (VARIANT& argument : arguments) {
      VariantInit(&argument);
    }
    V_VT(&arguments[0]) = VT_ARRAY | VT_VARIANT | VT_BYREF;
    V_ARRAYREF(&arguments[0]) = &custom;
    V_VT(&arguments[1]) = VT_DISPATCH;
    V_DISPATCH(&arguments[1]) = nullptr;
    V_VT(&arguments[2]) = VT_I4;
    V_I4(&arguments[2]) = 2;
    V_VT(&arguments[3]) = VT_DISPATCH;
    V_DISPATCH(&arguments[3]) = &vbe;
    DISPPARAMS params = {arguments, nullptr, 4, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(addin->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result,
                            nullptr, nullptr),
              S_OK);
    DISPPARAMS disconnect = {arguments, nullptr, 2, 0};
    V_VT(&arguments[1]) = VT_I4;
    V_I4(&arguments[1]) = 1;
    EXPECT_TRUE(FAILED(addin->Invoke(2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &disconnect,
                                     &result, nullptr, nullptr)));
  }
  EXPECT_EQ(boxes.seen.size(), 2U);
  ComPtr<IDispatch> addin2 = query<IDispatch>(kExtensibility2Iid);
  EXPECT_EQ(idOf(*addin2.get(), L"OnBeginShutdown"), 5);
  SafeArrayDestroy(custom);
  EXPECT_EQ(vbe.references(), 1U);
}

} // namespace
} // namespace velmora::test
