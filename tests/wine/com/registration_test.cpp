#include "com/com_ptr.hpp"
#include "com/com_test_support.hpp"
#include "com/import_patch.hpp"
#include "common/program_run.hpp"

#include <gtest/gtest.h>
#include <memory>

namespace velmora::test {
namespace {

using win32::registryKeyExists;

const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClsidText;
const std::wstring kServerKey = kClassKey + L"\\InprocServer32";
const std::wstring kProgIdKey = kProgId;
const std::wstring kTypeLibKey = std::wstring(L"TypeLib\\") + kLibidText + L"\\1.0";
// Below HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
const std::wstring kClasses = L"Software\\Classes\\";

bool isSamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool typeLibResolves() {
  win32::ComPtr<ITypeLib> library;
  return SUCCEEDED(LoadRegTypeLib(kVelmoraLibid, 1, 0, LOCALE_NEUTRAL, library.put()));
}

// Every test starts and ends with the server unregistered.
class Registration : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(callServerExport("DllUnregisterServer"), S_OK); }
  void TearDown() override { EXPECT_EQ(callServerExport("DllUnregisterServer"), S_OK); }

  static DWORD regsvr32(const std::wstring& options) {
    return testing::runCommand(L"regsvr32.exe /s " + options + L"\"" + velmoraDllPath() + L"\"")
        .exitCode;
  }
};

TEST_F(Registration, Regsvr32EntersAndRemovesTheServer) {
  ASSERT_EQ(regsvr32(L""), 0U);
  EXPECT_EQ(registryString(HKEY_CLASSES_ROOT, kProgIdKey + L"\\CLSID"), kClsidText);
  EXPECT_TRUE(
      isSamePath(registryString(HKEY_CLASSES_ROOT, kServerKey).value_or(L""), velmoraDllPath()));
  EXPECT_EQ(registryString(HKEY_CLASSES_ROOT, kServerKey, L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(registryString(HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID"), kProgId);
  EXPECT_TRUE(registryKeyExists(HKEY_CLASSES_ROOT, kTypeLibKey));
  EXPECT_TRUE(typeLibResolves());
  // Machine-wide, where the user could write.
  EXPECT_TRUE(registryKeyExists(HKEY_LOCAL_MACHINE, kClasses + kClassKey));

  ASSERT_EQ(regsvr32(L"/u "), 0U);
  for (const std::wstring& key : {kProgIdKey, kClassKey, kTypeLibKey}) {
    EXPECT_FALSE(registryKeyExists(HKEY_CLASSES_ROOT, key)) << key;
  }
  EXPECT_FALSE(typeLibResolves());
  // Unregistering what is not registered succeeds.
  EXPECT_EQ(regsvr32(L"/u "), 0U);
}

// The IDE registers its add-in interface with its own type library, and another class may take
// the ProgID over: neither is the server's to change.
TEST_F(Registration, LeavesTheIdeInterfaceAndAProgIdTakenOverAlone) {
  const std::wstring ideInterface = kClasses + L"Interface\\{0002E151-0000-0000-C000-000000000046}";
  const std::wstring ideLibrary = L"{EF404E00-EDA6-101A-8DAF-00DD010F7EBB}";
  win32::RegistryKey::create(HKEY_LOCAL_MACHINE, ideInterface + L"\\TypeLib")
      .setString(L"", ideLibrary);

  ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK);
  EXPECT_EQ(registryString(HKEY_LOCAL_MACHINE, ideInterface + L"\\TypeLib"), ideLibrary);
  const std::wstring other = L"{11111111-2222-3333-4444-555555555555}";
  win32::RegistryKey::create(HKEY_LOCAL_MACHINE, kClasses + kProgIdKey + L"\\CLSID")
      .setString(L"", other);
  ASSERT_EQ(callServerExport("DllUnregisterServer"), S_OK);
  EXPECT_EQ(registryString(HKEY_LOCAL_MACHINE, ideInterface + L"\\TypeLib"), ideLibrary);
  EXPECT_EQ(registryString(HKEY_CLASSES_ROOT, kProgIdKey + L"\\CLSID"), other);
  EXPECT_FALSE(registryKeyExists(HKEY_CLASSES_ROOT, kClassKey));
  win32::deleteRegistryTree(HKEY_LOCAL_MACHINE, ideInterface);
  win32::deleteRegistryTree(HKEY_LOCAL_MACHINE, kClasses + kProgIdKey);
}

TEST_F(Registration, MachineRegistrationReplacesAStalePerUserEntry) {
  win32::RegistryKey::create(HKEY_CURRENT_USER, kClasses + kServerKey)
      .setString(L"", L"C:\\Old\\Velmora.dll");

  ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK);
  EXPECT_FALSE(registryKeyExists(HKEY_CURRENT_USER, kClasses + kClassKey));
  EXPECT_TRUE(registryKeyExists(HKEY_LOCAL_MACHINE, kClasses + kClassKey));
}

// A user who may not write the machine's type library registration, as on a locked-down
// Windows: the class entries written so far are taken back and the server registers for the user.
HRESULT WINAPI registerTypeLibDenied(ITypeLib*, OLECHAR*, OLECHAR*) {
  return TYPE_E_REGISTRYACCESS;
}

TEST_F(Registration, FallsBackToTheCurrentUserWhenTheMachineIsDenied) {
  HMODULE dll = LoadLibraryW(velmoraDllPath().c_str());
  ASSERT_NE(dll, nullptr);
  {
    ImportPatch registerTypeLib(dll, "oleaut32.dll", "RegisterTypeLib",
                                reinterpret_cast<void*>(&registerTypeLibDenied));
    ASSERT_TRUE(registerTypeLib.applied());
    ASSERT_EQ(callServerExport("DllRegisterServer"), S_OK);
    EXPECT_FALSE(registryKeyExists(HKEY_LOCAL_MACHINE, kClasses + kClassKey));
    EXPECT_FALSE(registryKeyExists(HKEY_LOCAL_MACHINE, kClasses + kProgIdKey));
    EXPECT_TRUE(isSamePath(registryString(HKEY_CURRENT_USER, kClasses + kServerKey).value_or(L""),
                           velmoraDllPath()));
    EXPECT_EQ(registryString(HKEY_CURRENT_USER, kClasses + kProgIdKey + L"\\CLSID"), kClsidText);
    // Registered for the user (Wine's per-user registration writes machine-wide all the same).
    EXPECT_TRUE(typeLibResolves());
    ASSERT_EQ(callServerExport("DllUnregisterServer"), S_OK);
  }
  FreeLibrary(dll);
  for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    EXPECT_FALSE(registryKeyExists(root, kClasses + kClassKey));
    EXPECT_FALSE(registryKeyExists(root, kClasses + kProgIdKey));
  }
  EXPECT_FALSE(typeLibResolves());
}

} // namespace
} // namespace velmora::test
