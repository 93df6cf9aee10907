#include "services/test_windows.hpp"
#include "services/win32_atom_table.hpp"
#include "services/win32_hotkey_service.hpp"
#include "services/win32_window_procedures.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::testing {
namespace {

using win32::Win32AtomTable;
using win32::Win32HotkeyService;
using win32::Win32WindowProcedures;

constexpr std::int32_t kCtrlShift = MOD_CONTROL | MOD_SHIFT;
constexpr DWORD kGenerousWait = 20000;

// A name no other test program of the prefix uses.
std::string atomName(const char* what) {
  return std::string("VelmoraTest.") + what + "." + std::to_string(GetCurrentProcessId());
}

TEST(AtomTable, AddsCountedAtomsThatGoWithTheLastRemoval) {
  Win32AtomTable atoms;
  const std::string name = atomName("counted");
  const std::uint16_t first = atoms.add(name);
  ASSERT_GE(first, 0xC000);
  EXPECT_EQ(atoms.add(name), first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), first);
  atoms.remove(first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), first) << "one reference is still held";
  atoms.remove(first);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0);
}

TEST(AtomTable, RefusesNamesTheSystemWouldMisread) {
  Win32AtomTable atoms;
  const std::string name = atomName("nul");
  EXPECT_EQ(atoms.add(name + std::string(1, '\0') + "tail"), 0);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0) << "no atom for the text before the NUL";
  EXPECT_EQ(atoms.add(std::string(300, 'x')), 0);
}

// The helper process: holds Ctrl+Shift+D for its thread until told to let go. Run by the test
// below as this same program with a filter naming it.
TEST(HotkeyHelper, DISABLED_HoldsCtrlShiftD) {
  char ready[64] = {};
  char release[64] = {};
  ASSERT_NE(GetEnvironmentVariableA("VELMORA_TEST_READY", ready, sizeof ready), 0u);
  ASSERT_NE(GetEnvironmentVariableA("VELMORA_TEST_RELEASE", release, sizeof release), 0u);
  HANDLE readyEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, ready);
  HANDLE releaseEvent = OpenEventA(SYNCHRONIZE, FALSE, release);
  ASSERT_NE(readyEvent, nullptr);
  ASSERT_NE(releaseEvent, nullptr);
  ASSERT_NE(RegisterHotKey(nullptr, 1, kCtrlShift, 'D'), FALSE);
  SetEvent(readyEvent);
  EXPECT_EQ(WaitForSingleObject(releaseEvent, 2 * kGenerousWait), WAIT_OBJECT_0);
  UnregisterHotKey(nullptr, 1);
  CloseHandle(readyEvent);
  CloseHandle(releaseEvent);
}

// This program run again as the helper, which holds Ctrl+Shift+D until `release` is set.
class HotkeyHolder {
public:
  HotkeyHolder() {
    const std::string tag = std::to_string(GetCurrentProcessId());
    const std::string readyName = "VelmoraTestReady." + tag;
    const std::string releaseName = "VelmoraTestRelease." + tag;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
    SetEnvironmentVariableA("VELMORA_TEST_READY", readyName.c_str());
    SetEnvironmentVariableA("VELMORA_TEST_RELEASE", releaseName.c_str());
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) +
                        L"\" --gtest_also_run_disabled_tests"
                        L" --gtest_filter=HotkeyHelper.DISABLED_HoldsCtrlShiftD --gtest_brief=1";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_) != FALSE;
  }
  ~HotkeyHolder() {
    letGo();
    CloseHandle(ready_);
    CloseHandle(release_);
  }
  HotkeyHolder(const HotkeyHolder&) = delete;
  HotkeyHolder& operator=(const HotkeyHolder&) = delete;

  // True once the helper holds the hotkey; false when it ended (or never started) first.
  bool holding() const {
    if (!started_) {
      return false;
    }
    HANDLE either[] = {ready_, process_.hProcess};
    return WaitForMultipleObjects(2, either, FALSE, kGenerousWait) == WAIT_OBJECT_0;
  }
  // Tells the helper to let go and waits for it to end; its exit code.
  DWORD letGo() {
    if (!started_) {
      return 0;
    }
    SetEvent(release_);
    WaitForSingleObject(process_.hProcess, kGenerousWait);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    started_ = false;
    return code;
  }

private:
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(HotkeyService, ACombinationHeldByAnotherProgramCannotBeRegistered) {
  TestWindow window;
  Win32HotkeyService hotkeys;
  HotkeyHolder holder;
  ASSERT_TRUE(holder.holding());
  EXPECT_FALSE(hotkeys.registerHotKey(window.handle(), 0xC123, kCtrlShift, 'D'));
  EXPECT_EQ(hotkeys.lastError(), static_cast<std::uint32_t>(ERROR_HOTKEY_ALREADY_REGISTERED));
  EXPECT_EQ(holder.letGo(), 0u);

  EXPECT_TRUE(hotkeys.registerHotKey(window.handle(), 0xC123, kCtrlShift, 'D'));
  EXPECT_EQ(hotkeys.lastError(), 0u);
  EXPECT_TRUE(hotkeys.unregisterHotKey(window.handle(), 0xC123));
}

void pressCtrlShift(WORD key) {
  std::vector<INPUT> inputs;
  for (const WORD down : {WORD{VK_CONTROL}, WORD{VK_SHIFT}, key}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = down;
    inputs.push_back(input);
  }
  for (const WORD up : {key, WORD{VK_SHIFT}, WORD{VK_CONTROL}}) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = up;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)),
            inputs.size());
}

// The way the add-in holds a hotkey: the atom of its name is the identifier, the window's
// procedure is replaced, and a key press arrives there as WM_HOTKEY.
TEST(HotkeyService, AKeyPressArrivesAsWmHotKeyInTheReplacedProcedure) {
  TestWindow window;
  Win32AtomTable atoms;
  Win32HotkeyService hotkeys;
  Win32WindowProcedures procedures;
  std::vector<WindowMessage> pressed;
  WindowProcedures::Previous previous = 0;
  previous = procedures.replace(window.handle(), [&](const WindowMessage& message) {
    if (message.message == kWmHotKey) {
      pressed.push_back(message);
      return std::intptr_t{0};
    }
    return procedures.callPrevious(previous, message);
  });
  ASSERT_NE(previous, 0u);

  const std::string name = atomName("hotkey");
  const std::uint16_t id = atoms.add(name);
  ASSERT_NE(id, 0);
  ASSERT_TRUE(hotkeys.registerHotKey(window.handle(), id, kCtrlShift, 'D'));
  pressCtrlShift('D');
  ASSERT_TRUE(pumpUntil([&] { return !pressed.empty(); }));
  EXPECT_EQ(pressed[0].window, window.handle());
  EXPECT_EQ(pressed[0].wParam, id);
  EXPECT_EQ(pressed[0].lParam, MAKELPARAM(kCtrlShift, 'D'));
  EXPECT_FALSE(originalSawMessage(WM_HOTKEY));

  EXPECT_TRUE(hotkeys.unregisterHotKey(window.handle(), id));
  EXPECT_FALSE(hotkeys.unregisterHotKey(window.handle(), id));
  EXPECT_EQ(hotkeys.lastError(), static_cast<std::uint32_t>(ERROR_HOTKEY_NOT_REGISTERED));
  atoms.remove(id);
  EXPECT_EQ(GlobalFindAtomA(name.c_str()), 0);
  procedures.restore(window.handle(), previous);

  // Released, the combination is free for others again.
  ASSERT_NE(RegisterHotKey(nullptr, 7, kCtrlShift, 'D'), FALSE);
  UnregisterHotKey(nullptr, 7);
}

} // namespace
} // namespace velmora::testing
