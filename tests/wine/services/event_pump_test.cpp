#include "forms/form_test_support.hpp"
#include "services/win32_event_pump.hpp"

#include <gtest/gtest.h>

namespace velmora::testing {
namespace {

using win32::Win32EventPump;

WPARAM reposted = 0;

// A window that posts itself a new message for every one it gets never lets the queue run dry.
LRESULT CALLBACK repostingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    reposted = wParam;
    PostMessageW(window, WM_APP, wParam + 1, 0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// DoEvents dispatches what is pending and returns, also when the queue refills itself; a quit is
// left for the loop outside.
TEST(EventPump, DispatchesWhatIsPendingAndLeavesAQuitForTheLoopOutside) {
  HWND reposting =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(reposting, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&repostingProcedure));
  PostMessageW(reposting, WM_APP, 0, 0);
  PostQuitMessage(3);
  Win32EventPump().doEvents();
  DestroyWindow(reposting);
  EXPECT_GT(reposted, 100u) << "what was pending, and more";
  MSG quit{};
  ASSERT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), FALSE);
  EXPECT_EQ(quit.wParam, 3u);
  while (PeekMessageW(&quit, nullptr, WM_APP, WM_APP, PM_REMOVE) != FALSE) {
  }
}

// Enter in a form is its default button's click only when the pump looks after the keys of the
// forms' windows, as the add-in's pump does.
TEST(EventPump, KeysOfADialogGetTheDialogTreatment) {
  win32::Win32FormsToolkit toolkit;
  auto form = toolkit.load(dialogSpec(true, false));
  int clicks = 0;
  form->button("OKButton").onClick([&] { ++clicks; });
  const auto formClass = static_cast<ATOM>(GetClassLongW(windowOf(*form), GCW_ATOM));
  for (const ATOM treated : {ATOM{0}, formClass}) {
    PostMessageW(windowOf(form->textBox("txtValue")), WM_KEYDOWN, VK_RETURN, 1);
    Win32EventPump(treated).doEvents();
  }
  EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace velmora::testing
