#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "host/fake_dispatch.hpp"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using win32::ComPtr;

// The server's entry points as COM's loader calls them.
class ServerLifetime : public ::testing::Test {
protected:
  void SetUp() override {
    dll_ = LoadLibraryW(velmoraDllPath().c_str());
    ASSERT_NE(dll_, nullptr);
    canUnloadNow_ = reinterpret_cast<CanUnloadNow>(
        reinterpret_cast<void*>(GetProcAddress(dll_, "DllCanUnloadNow")));
    getClassObject_ = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(dll_, "DllGetClassObject")));
    ASSERT_NE(canUnloadNow_, nullptr);
    ASSERT_NE(getClassObject_, nullptr);
  }
  void TearDown() override { FreeLibrary(dll_); }

  ComPtr<IClassFactory> factory() const {
    ComPtr<IClassFactory> result;
    EXPECT_EQ(
        getClassObject_(kVelmoraClsid, IID_IClassFactory, reinterpret_cast<void**>(result.put())),
        S_OK);
    return result;
  }

  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

  Apartment apartment_;
  HMODULE dll_ = nullptr;
  CanUnloadNow canUnloadNow_ = nullptr;
  GetClassObject getClassObject_ = nullptr;
};

TEST_F(ServerLifetime, StaysLoadedWhileAnObjectOrALockIsAlive) {
  EXPECT_EQ(canUnloadNow_(), S_OK);

  ComPtr<IClassFactory> classFactory = factory();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  ComPtr<IUnknown> object;
  ASSERT_EQ(
      classFactory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(object.put())),
      S_OK);
  classFactory.reset();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  // A facet reference keeps the whole object.
  ComPtr<IUnknown> facet = object.as<IUnknown>(kExtensibilityIid);
  object.reset();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  facet.reset();
  EXPECT_EQ(canUnloadNow_(), S_OK);

  factory()->LockServer(TRUE);
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  factory()->LockServer(FALSE);
  EXPECT_EQ(canUnloadNow_(), S_OK);

  // An unmatched unlock does not cancel a later lock.
  factory()->LockServer(FALSE);
  factory()->LockServer(TRUE);
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  factory()->LockServer(FALSE);
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

TEST_F(ServerLifetime, RefusesWhatItCannotMake) {
  void* out = &out;
  EXPECT_EQ(getClassObject_(IID_IUnknown, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(getClassObject_(kVelmoraClsid, IID_IClassFactory, nullptr), E_POINTER);

  ComPtr<IClassFactory> classFactory = factory();
  FakeDispatch outer;
  out = &out;
  EXPECT_EQ(classFactory->CreateInstance(&outer, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  out = &out;
  EXPECT_EQ(classFactory->CreateInstance(nullptr, IID_IClassFactory, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  classFactory.reset();
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

} // namespace
} // namespace velmora::test
