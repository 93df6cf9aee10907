#include "services/test_windows.hpp"
#include "services/win32_window_procedures.hpp"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace velmora::testing {
namespace {

using win32::Win32WindowProcedures;

LONG_PTR procedureOf(HWND window) {
  return GetWindowLongPtrW(window, GWLP_WNDPROC);
}

// The replacement the add-in installs, in miniature: WM_HOTKEY stays with it, kEchoMessage with
// wParam 1 throws, everything else goes on to the procedure it displaced.
struct Replacement {
  Replacement(Win32WindowProcedures& procedures, HWND window) {
    previous = procedures.replace(
        reinterpret_cast<WindowHandle>(window), [this, &procedures](const WindowMessage& message) {
          saw.push_back(message.message);
          if (message.message == kEchoMessage && message.wParam == 1) {
            throw std::runtime_error("failed inside the procedure");
          }
          return message.message == kWmHotKey ? 0 : procedures.callPrevious(previous, message);
        });
  }
  bool sawMessage(std::uint32_t message) const {
    return std::find(saw.begin(), saw.end(), message) != saw.end();
  }

  WindowProcedures::Previous previous = 0;
  std::vector<std::uint32_t> saw;
};

// Anything it does not keep reaches the original with its parameters and the answer comes back,
// Unicode texts unharmed (subclassing through the ANSI functions would make the window an ANSI
// one); an exception ends at the window procedure.
TEST(WindowProcedures, TheReplacementKeepsItsMessagesAndPassesTheRestOn) {
  TestWindow window;
  const LONG_PTR original = procedureOf(window.get());
  Win32WindowProcedures procedures;
  Replacement replacement(procedures, window.get());
  EXPECT_EQ(SendMessageW(window.get(), WM_HOTKEY, 0xC001, MAKELPARAM(MOD_CONTROL, 'D')), 0);
  EXPECT_TRUE(replacement.sawMessage(kWmHotKey));
  EXPECT_FALSE(originalSawMessage(WM_HOTKEY));
  EXPECT_EQ(SendMessageW(window.get(), kEchoMessage, 5, 21), 42);
  EXPECT_EQ(originalSaw().back().wParam, 5u);

  const std::wstring text = L"設定 Ω € 한국어";
  ASSERT_NE(SetWindowTextW(window.get(), text.c_str()), FALSE);
  wchar_t back[64] = {};
  GetWindowTextW(window.get(), back, 64);
  EXPECT_EQ(std::wstring(back), text);
  EXPECT_TRUE(replacement.sawMessage(WM_SETTEXT));

  EXPECT_EQ(SendMessageW(window.get(), kEchoMessage, 1, 10), 0);
  EXPECT_EQ(SendMessageW(window.get(), kEchoMessage, 0, 10), 20) << "still in place";
  procedures.restore(window.handle(), replacement.previous);
  EXPECT_EQ(procedureOf(window.get()), original);
}

// An adapter that goes away puts the original back; a window destroyed under a replacement gets
// its last messages through it; nothing is replaced on a window that is not there.
TEST(WindowProcedures, ReplacementsEndWithTheirAdapterOrTheirWindow) {
  TestWindow window;
  const LONG_PTR original = procedureOf(window.get());
  {
    Win32WindowProcedures procedures;
    Replacement replacement(procedures, window.get());
    ASSERT_NE(procedureOf(window.get()), original);
  }
  EXPECT_EQ(procedureOf(window.get()), original);

  Win32WindowProcedures procedures;
  Replacement replacement(procedures, window.get());
  const WindowHandle gone = window.handle();
  window.destroy();
  EXPECT_TRUE(replacement.sawMessage(WM_NCDESTROY));
  EXPECT_TRUE(originalSawMessage(WM_NCDESTROY));
  EXPECT_EQ(procedures.replace(gone, [](const WindowMessage&) { return std::intptr_t{0}; }), 0u);
  EXPECT_EQ(procedures.lastError(), static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
}

} // namespace
} // namespace velmora::testing
