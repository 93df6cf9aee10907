#include "services/test_windows.hpp"
#include "services/win32_event_pump.hpp"

#include <array>
#include <gtest/gtest.h>
#include <windows.h>

namespace velmora::testing {
namespace {

using win32::Win32EventPump;

std::size_t countOf(UINT message) {
  std::size_t count = 0;
  for (const SeenMessage& seen : originalSaw()) {
    count += seen.message == message ? 1 : 0;
  }
  return count;
}

// A window that posts itself a new message for every one it gets never lets the queue run dry.
LRESULT CALLBACK repostingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    PostMessageW(window, WM_APP, wParam + 1, 0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// DoEvents dispatches what is pending and returns, also when the queue refills itself; a quit is
// left for the loop outside.
TEST(EventPump, DispatchesWhatIsPendingAndLeavesAQuitForTheLoopOutside) {
  TestWindow window;
  for (int i = 0; i < 5; ++i) {
    PostMessageW(window.get(), kEchoMessage, static_cast<WPARAM>(i), 0);
  }
  HWND reposting =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(reposting, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&repostingProcedure));
  PostMessageW(reposting, WM_APP, 0, 0);
  PostQuitMessage(3);
  Win32EventPump().doEvents();
  DestroyWindow(reposting);
  EXPECT_EQ(countOf(kEchoMessage), 5u);
  MSG quit{};
  ASSERT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
  EXPECT_EQ(quit.wParam, 3u);
  while (PeekMessageW(&quit, nullptr, WM_APP, WM_APP, PM_REMOVE) != FALSE) {
  }
}

// A dialog without controls, from a template in memory: no menu, class or title.
struct DialogTemplate {
  DLGTEMPLATE header;
  std::array<WORD, 3> none;
};

INT_PTR CALLBACK recordingDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    originalSaw().push_back({dialog, message, wParam, lParam});
    return TRUE;
  }
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Enter in a dialog is its OK command only when the dialog's keys are looked after.
TEST(EventPump, KeysOfADialogGetTheDialogTreatment) {
  DialogTemplate layout{};
  layout.header.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
  layout.header.cx = 100;
  layout.header.cy = 50;
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &layout.header, nullptr,
                                           recordingDialogProcedure, 0);
  ASSERT_NE(dialog, nullptr);
  originalSaw().clear();
  PostMessageW(dialog, WM_KEYDOWN, VK_RETURN, 1);
  Win32EventPump().doEvents();
  ASSERT_EQ(countOf(WM_COMMAND), 1u);
  EXPECT_EQ(LOWORD(originalSaw().back().wParam), IDOK);
  DestroyWindow(dialog);
}

} // namespace
} // namespace velmora::testing
