#include "add_in_list_file.hpp"
#include "forms/handle_cast.hpp"
#include "forms/message_box_finder.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace velmora {
namespace {

using testing::AddInListFile;

std::wstring besideThisProgram(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + fileName;
}

// The windows of another process cannot be hooked from here, so the test looks for them until
// they are there; the bound only keeps a broken program from hanging the run.
bool eventually(const std::function<bool()>& condition) {
  const ULONGLONG deadline = GetTickCount64() + 20000;
  while (!condition()) {
    if (GetTickCount64() > deadline) {
      return false;
    }
    Sleep(10);
  }
  return true;
}

BOOL CALLBACK noteForm(HWND window, LPARAM found) {
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (lstrcmpW(className, L"VelmoraForm") == 0 && IsWindowVisible(window) != FALSE) {
    *win32::fromInteger<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The real Velsetup.exe, started as the user would and driven from outside.
class VelsetupProgram : public ::testing::Test {
protected:
  void SetUp() override {
    std::wstring commandLine = L"\"" + besideThisProgram(L"Velsetup.exe") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_))
        << GetLastError();
    WaitForInputIdle(process_.hProcess, 20000);
    ASSERT_TRUE(eventually([this] {
      EnumThreadWindows(process_.dwThreadId, noteForm, reinterpret_cast<LPARAM>(&form_));
      return form_ != nullptr;
    }));
  }
  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
      }
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
  }

  DWORD exitCode() {
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0) << "still running";
    DWORD code = 99;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  AddInListFile file;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

TEST_F(VelsetupProgram, RegistersShowsTheMessageAndEnds) {
  EXPECT_EQ(testing::textOf(form_), L"ベルモラ登録");
  EXPECT_EQ(GetWindow(form_, GW_OWNER), nullptr) << "on the task bar";
  HWND ok = FindWindowExW(form_, nullptr, L"Button", L"登録");
  ASSERT_NE(ok, nullptr);
  PostMessageW(ok, BM_CLICK, 0, 0);
  testing::MessageBoxSeen box;
  ASSERT_TRUE(eventually([&] {
    box = testing::findMessageBox(process_.dwThreadId);
    return box.window != nullptr;
  }));
  EXPECT_EQ(box.text, L"アドイン「ベルモラ」の登録成功");
  EXPECT_EQ(box.title, L"ベルモラｾｯﾄｱｯﾌﾟ");
  EXPECT_FALSE(box.icon);
  PostMessageW(GetDlgItem(box.window, IDOK), BM_CLICK, 0, 0);
  EXPECT_EQ(exitCode(), 0u);
  EXPECT_EQ(file.value("Add-Ins32", "Velmora.VelmoraClass"), "3");
}

TEST_F(VelsetupProgram, TheCloseBoxEndsItWithoutWriting) {
  PostMessageW(form_, WM_CLOSE, 0, 0);
  EXPECT_EQ(exitCode(), 0u);
  EXPECT_FALSE(file.exists());
}

TEST(VelsetupImage, IsAWindowsProgramWithItsIconAndVersion) {
  HMODULE image = LoadLibraryExW(besideThisProgram(L"Velsetup.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), RT_GROUP_ICON), nullptr);
  EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION), nullptr);
  FreeLibrary(image);

  HANDLE file = CreateFileW(besideThisProgram(L"Velsetup.exe").c_str(), GENERIC_READ,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  char header[4096] = {};
  DWORD read = 0;
  ReadFile(file, header, sizeof header, &read, nullptr);
  CloseHandle(file);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(header);
  ASSERT_LT(static_cast<DWORD>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32), read);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(header + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

} // namespace
} // namespace velmora
