#include "form_test_support.hpp"
#include "forms/picture_drawing.hpp"
#include "support/error.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace velmora {
namespace {

using testing::dialogSpec;
using testing::face;
using testing::windowOf;

class FormWindow : public ::testing::Test {
protected:
  win32::Win32FormsToolkit toolkit;
};

// Owned by a hidden window: off the task bar, and still a top-level window for WM_HOTKEY. A form
// on the task bar has no owner.
TEST_F(FormWindow, IsAHiddenOwnedTopLevelDialogWithItsIconUnlessOnTheTaskBar) {
  FormSpec spec = dialogSpec(false, false);
  spec.icon = Bitmap{32, 32, std::vector<Colour16>(32 * 32, Colour16::Navy)};
  auto form = toolkit.load(spec);
  HWND window = windowOf(*form);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetWindow(window, GW_OWNER), toolkit.owner());
  EXPECT_FALSE(IsWindowVisible(toolkit.owner()));
  EXPECT_EQ(GetAncestor(window, GA_ROOT), window);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);

  spec.showInTaskbar = true;
  auto onTaskBar = toolkit.load(spec);
  EXPECT_EQ(GetWindow(windowOf(*onTaskBar), GW_OWNER), nullptr);
  EXPECT_NE(GetWindowLongW(windowOf(*onTaskBar), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(FormWindow, DestroyingALoadedFormTakesItsWindowWithoutUnloadEvents) {
  auto form = toolkit.load(dialogSpec(false, false));
  HWND window = windowOf(*form);
  bool queried = false;
  form->onQueryUnload([&] { queried = true; });
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(queried);
}

// Pixel for pixel in the sixteen colours, unscaled; a box the layout hides is not shown.
TEST_F(FormWindow, PictureBoxesDrawTheirPictureUnscaled) {
  FormSpec spec = dialogSpec(false, false);
  ControlSpec picture = controlSpec(ControlKind::PictureBox, "picDim", u"", {120, 900, 240, 240});
  picture.picture = face();
  spec.controls.push_back(picture);
  picture.name = "picSettei";
  picture.visible = false;
  spec.controls.push_back(picture);
  auto form = toolkit.load(spec);
  HWND box = windowOf(form->pictureBox("picDim"));
  EXPECT_EQ(GetWindowLongW(windowOf(form->pictureBox("picSettei")), GWL_STYLE) & WS_VISIBLE, 0);

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 20, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, canvas);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(box));
  item.hwndItem = box;
  item.hDC = dc;
  item.rcItem = {0, 0, 20, 20};
  SendMessageW(windowOf(*form), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  // In the order of Colour16: black, maroon, green, olive, navy, purple, teal, silver, grey, red,
  // lime, yellow, blue, fuchsia, aqua, white.
  const COLORREF vga[16] = {
      RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
      RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
      RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
  const Bitmap drawn = face();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(GetPixel(dc, x, y), vga[static_cast<int>(drawn.at(x, y))]) << x << "," << y;
    }
  }
  EXPECT_EQ(GetPixel(dc, 17, 17), GetSysColor(COLOR_BTNFACE)) << "outside the picture";
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
}

} // namespace
} // namespace velmora
