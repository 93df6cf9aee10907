#include "form_test_support.hpp"
#include "forms/form_fonts.hpp"
#include "forms/picture_drawing.hpp"
#include "message_box_finder.hpp"
#include "support/error.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::pixels;
using testing::windowOf;

Bitmap stripes(int size) {
  Bitmap picture{size, size, {}};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      picture.pixels.push_back(x < size / 2 ? Colour16::Red : Colour16::Navy);
    }
  }
  return picture;
}

FormSpec settingsLikeSpec() {
  FormSpec form;
  form.name = "frmWide";
  form.caption = u"ベルモラの設定";
  form.clientWidth = 7200;
  form.clientHeight = 6945;
  form.icon = stripes(32);
  ControlSpec frame = controlSpec(ControlKind::Frame, "Frame1", u"枠", {120, 600, 6900, 3000});
  ControlSpec inFrame = labelSpec("Label1", u"接頭文字", {240, 300, 1200, 255});
  inFrame.parent = "Frame1";
  inFrame.font = FontSpec{u"ＭＳ Ｐゴシック", 11.25, true, true};
  inFrame.foreColour = 0x0000FF;
  // Listed out of keyboard order on purpose.
  form.controls = {
      inFrame,
      buttonSpec("cmbCancel", u"ｷｬﾝｾﾙ", {5880, 6420, 1215, 375}, 2),
      frame,
      controlSpec(ControlKind::TextBox, "txtKata", u"", {240, 720, 1200, 300}, 1),
      buttonSpec("cmbOk", u"OK", {4560, 6420, 1215, 375}, 3),
      controlSpec(ControlKind::TextBox, "txtSettouChar", u"", {240, 120, 1200, 300}, 0),
      controlSpec(ControlKind::CheckBox, "chkHot1", u"Alt", {120, 3720, 900, 255}, 4),
      controlSpec(ControlKind::CheckBox, "chkHot1", u"Alt", {120, 4020, 900, 255}, 5),
      controlSpec(ControlKind::Timer, "Timer1", u"", {}),
  };
  form.controls[6].index = 0;
  form.controls[7].index = 1;
  form.controls[3].parent = "Frame1";
  return form;
}

class FormWindow : public ::testing::Test {
protected:
  win32::Win32FormsToolkit toolkit;
};

TEST_F(FormWindow, IsAHiddenOwnedTopLevelDialogOfTheLayoutsSizeCentredUnlessOnTheTaskBar) {
  auto form = toolkit.load(settingsLikeSpec());
  HWND window = windowOf(*form);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(form->visible());
  EXPECT_EQ(testing::textOf(window), L"ベルモラの設定");

  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, pixels(7200));
  EXPECT_EQ(client.bottom, pixels(6945));

  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), 0);
  // Owned by a hidden window: off the task bar, and still a top-level window for WM_HOTKEY.
  EXPECT_EQ(GetWindow(window, GW_OWNER), toolkit.owner());
  EXPECT_FALSE(IsWindowVisible(toolkit.owner()));
  EXPECT_EQ(GetAncestor(window, GA_ROOT), window);

  RECT frame{};
  RECT work{};
  GetWindowRect(window, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);

  // A form on the task bar has no owner.
  FormSpec spec = testing::dialogSpec(false, false);
  spec.showInTaskbar = true;
  auto onTaskBar = toolkit.load(spec);
  EXPECT_EQ(GetWindow(windowOf(*onTaskBar), GW_OWNER), nullptr);
  EXPECT_NE(GetWindowLongW(windowOf(*onTaskBar), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(FormWindow, ControlsSitAtTheirTwipsInTheirFontsAndColours) {
  auto form = toolkit.load(settingsLikeSpec());
  HWND window = windowOf(*form);
  const auto placeOf = [&](Control& control) {
    RECT place{};
    GetWindowRect(windowOf(control), &place);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
  };
  // Inside its frame; every control is a child of the form itself, frames included.
  const RECT label = placeOf(form->label("Label1"));
  EXPECT_EQ(label.left, pixels(120 + 240));
  EXPECT_EQ(label.top, pixels(600 + 300));
  EXPECT_EQ(label.right, pixels(120 + 240 + 1200));
  EXPECT_EQ(label.bottom, pixels(600 + 300 + 255));
  const RECT ok = placeOf(form->button("cmbOk"));
  EXPECT_EQ(ok.left, pixels(4560));
  EXPECT_EQ(ok.top, pixels(6420));
  EXPECT_EQ(ok.right - ok.left, pixels(4560 + 1215) - pixels(4560));
  EXPECT_EQ(GetParent(windowOf(form->textBox("txtKata"))), window);

  const auto fontOf = [](Control& control) {
    return win32::fromInteger<HFONT>(SendMessageW(windowOf(control), WM_GETFONT, 0, 0));
  };
  EXPECT_EQ(fontOf(form->button("cmbOk")), GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW font{};
  ASSERT_NE(GetObjectW(fontOf(form->label("Label1")), sizeof font, &font), 0);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfItalic);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(1125, GetDeviceCaps(screen, LOGPIXELSY), 7200));
  ReleaseDC(nullptr, screen);
  LOGFONTW gui{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
  EXPECT_STREQ(font.lfFaceName,
               win32::fontFaceInstalled(L"ＭＳ Ｐゴシック") ? L"ＭＳ Ｐゴシック" : gui.lfFaceName)
      << "a missing face falls back";

  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(windowOf(form->label("Label1"))));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
  DeleteDC(dc);
}

TEST_F(FormWindow, ControlsAreFoundByNameIndexAndKindOnlyInSoundLayouts) {
  auto form = toolkit.load(settingsLikeSpec());
  CheckBox& first = form->checkBox("chkHot1", 0);
  CheckBox& second = form->checkBox("chkHot1", 1);
  EXPECT_NE(&first, &second);
  EXPECT_EQ(testing::textOf(windowOf(second)), L"Alt");
  EXPECT_THROW(form->checkBox("chkHot1"), Error) << "an array element needs its index";
  EXPECT_THROW(form->checkBox("chkHot1", 2), Error);
  EXPECT_THROW(form->button("txtKata"), Error) << "a text box is no button";
  EXPECT_THROW(form->label("Frame1"), Error);
  EXPECT_THROW(form->textBox("txtNone"), Error);
  EXPECT_EQ(form->timer("Timer1").enabled(), true);

  // Layouts naming a control twice or a missing frame are refused.
  FormSpec twice = testing::dialogSpec(false, false);
  twice.controls.push_back(buttonSpec("OKButton", u"もう一つ", {0, 0, 100, 100}, 5));
  EXPECT_THROW(toolkit.load(twice), Error);
  FormSpec orphan = testing::dialogSpec(false, false);
  orphan.controls[0].parent = "FrameMissing";
  EXPECT_THROW(toolkit.load(orphan), Error);
}

// Pixel for pixel in the 16 colours, unscaled; a box the layout hides is not shown.
TEST_F(FormWindow, PictureBoxesDrawTheirPictureUnscaled) {
  Bitmap face{16, 16, {}};
  for (int i = 0; i < 256; ++i) {
    face.pixels.push_back(static_cast<Colour16>((i % 16 + 3 * (i / 16)) % 16));
  }
  FormSpec spec = testing::dialogSpec(false, false);
  ControlSpec picture = controlSpec(ControlKind::PictureBox, "picDim", u"", {120, 900, 240, 240});
  picture.picture = face;
  ControlSpec hidden = controlSpec(ControlKind::PictureBox, "picSettei", u"", {480, 900, 240, 240});
  hidden.picture = face;
  hidden.visible = false;
  spec.controls.insert(spec.controls.end(), {picture, hidden});
  auto form = toolkit.load(spec);
  PictureBox& box = form->pictureBox("picDim");
  EXPECT_EQ(box.picture(), face);
  EXPECT_EQ(GetWindowLongW(windowOf(form->pictureBox("picSettei")), GWL_STYLE) & WS_VISIBLE, 0);

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 20, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, canvas);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(windowOf(box)));
  item.hwndItem = windowOf(box);
  item.hDC = dc;
  item.rcItem = {0, 0, 20, 20};
  SendMessageW(windowOf(*form), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  // The sixteen colours in the order of Colour16: black, maroon, green, olive, navy, purple, teal,
  // silver, grey, red, lime, yellow, blue, fuchsia, aqua, white.
  const COLORREF vga[16] = {
      RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
      RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
      RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(GetPixel(dc, x, y), vga[static_cast<int>(face.at(x, y))]) << x << "," << y;
      ASSERT_EQ(win32::paletteColour(face.at(x, y)), vga[static_cast<int>(face.at(x, y))]);
    }
  }
  EXPECT_EQ(GetPixel(dc, 17, 17), GetSysColor(COLOR_BTNFACE)) << "outside the picture";
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
}

TEST_F(FormWindow, DestroyingALoadedFormTakesItsWindowWithoutUnloadEvents) {
  auto form = toolkit.load(testing::dialogSpec(false, false));
  HWND window = windowOf(*form);
  bool queried = false;
  form->onQueryUnload([&] { queried = true; });
  form.reset();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(queried);
}

} // namespace
} // namespace velmora
