#include "forms/picture_drawing.hpp"
#include "hot_key_probe.hpp"
#include "hotkey/key_list.hpp"
#include "list_contents.hpp"
#include "settings/settings_faces.hpp"
#include "settings/settings_form_layout.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using SettingsDialogLoad = SettingsDialogTest;

// What a picture box shows, drawn by the form into a 16 x 16 bitmap of our own.
std::vector<COLORREF> drawnFace(HWND form, HWND picture) {
  constexpr int size = kFaceSize;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, target);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(picture));
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = picture;
  item.hDC = dc;
  item.rcItem = {0, 0, size, size};
  SendMessageW(form, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  GdiFlush();
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<std::size_t>(size) * size);
  const auto* drawn = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < size * size; ++i) {
    pixels.push_back(RGB((drawn[i] >> 16) & 0xFF, (drawn[i] >> 8) & 0xFF, drawn[i] & 0xFF));
  }
  SelectObject(dc, before);
  DeleteDC(dc);
  DeleteObject(target);
  return pixels;
}

std::vector<ComboItem> expectedKeyList() {
  std::vector<ComboItem> items;
  for (const KeyListEntry& entry : KeyList()) {
    items.push_back({std::wstring(entry.text.begin(), entry.text.end()), entry.key});
  }
  return items;
}

TEST_F(SettingsDialogLoad, BuildsTheHiddenWindowOfTheLayout) {
  setPrefixes({{u"str", u"String"}, {u" lng", u"Long"}});
  load();
  ASSERT_EQ(findForm(kSettingsCaption), window());
  EXPECT_FALSE(IsWindowVisible(window()));
  EXPECT_TRUE(boxes.seen.empty()) << "no message at load";

  RECT client{};
  GetClientRect(window(), &client);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(client.right, MulDiv(7200, GetDeviceCaps(screen, LOGPIXELSX), 1440));
  EXPECT_EQ(client.bottom, MulDiv(6945, GetDeviceCaps(screen, LOGPIXELSY), 1440));
  ReleaseDC(nullptr, screen);
  const LONG style = GetWindowLongW(window(), GWL_STYLE);
  EXPECT_NE(style & WS_SYSMENU, 0) << "a close box";
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_NE(SendMessageW(window(), WM_GETICON, ICON_BIG, 0), 0) << "the add-in's icon";
  EXPECT_NE(SendMessageW(window(), WM_GETICON, ICON_SMALL, 0), 0);

  EXPECT_NE(descendant(window(), L"Static", L"ベルモラ Ver 2.10"), nullptr)
      << "the minor number is not padded";
  for (const wchar_t* caption : {L"追加 >>", L"<< 削除", L"上へ ↑", L"下へ ↓", L"OK", L"ｷｬﾝｾﾙ"}) {
    EXPECT_NE(button(caption), nullptr) << ::testing::PrintToString(std::wstring(caption));
  }
  EXPECT_EQ(listViewRows(list()), (Rows{{L"str", L"String"}, {L" lng", L"Long"}}));

  const std::vector<HWND> keyLists = descendants(window(), L"ComboBox");
  ASSERT_EQ(keyLists.size(), 4u);
  const std::vector<ComboItem> keys = expectedKeyList();
  ASSERT_EQ(keys.size(), 58u);
  for (HWND keyList : keyLists) {
    EXPECT_EQ(GetWindowLongW(keyList, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    const std::vector<ComboItem> shown = comboItems(keyList);
    EXPECT_EQ(shown, keys);
    ASSERT_EQ(shown.size(), 58u);
    EXPECT_EQ(shown[0], (ComboItem{L"BackSpace キー", VK_BACK}));
    EXPECT_EQ(shown[16], (ComboItem{L"F1 キー", VK_F1}));
    EXPECT_EQ(shown[35], (ComboItem{L"D", 'D'}));
  }
}

TEST_F(SettingsDialogLoad, TheVersionIsBlueBoldItalicElevenPoints) {
  load();
  HWND version = descendant(window(), L"Static", L"ベルモラ Ver 2.10");
  ASSERT_NE(version, nullptr);
  LOGFONTW font{};
  GetObjectW(win32::fromInteger<HFONT>(SendMessageW(version, WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_TRUE(font.lfItalic);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(1125, GetDeviceCaps(screen, LOGPIXELSY), 7200))
      << "11.25 points";
  ReleaseDC(nullptr, screen);
  // The colour the form hands the label for painting its text.
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(version));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
  DeleteDC(dc);
}

TEST_F(SettingsDialogLoad, TabWalksTheControlsInTheirKeyboardOrder) {
  load();
  std::vector<HWND> expected = {
      prefixBox(),       typeBox(), button(L"追加 >>"), button(L"<< 削除"), button(L"上へ ↑"),
      button(L"下へ ↓"), list(),    button(L"OK"),      button(L"ｷｬﾝｾﾙ"),   checkBox("chkNon")};
  for (int row = 0; row < 4; ++row) {
    for (const char* name : {"chkHot1", "chkHot2", "chkHot3", "chkHot4"}) {
      expected.push_back(checkBox(name, row));
    }
    expected.push_back(keyList(row));
  }
  for (const char* name : {"chkTenmetsu", "chkComment", "chkImeMode"}) {
    expected.push_back(checkBox(name));
  }
  expected.push_back(prefixBox()); // and round again
  std::vector<HWND> focus;
  Steps user;
  for (std::size_t n = 0; n + 1 < expected.size(); ++n) {
    // The key is taken before the next step runs.
    user.emplace_back([&] {
      focus.push_back(focusedControl());
      pressKey(VK_TAB);
    });
  }
  user.emplace_back([&] { focus.push_back(focusedControl()); });
  user.emplace_back([] { pressKey(VK_ESCAPE); });
  openDialog(std::move(user));
  EXPECT_EQ(focus, expected);
}

TEST_F(SettingsDialogLoad, HoldsTheFacesOfTheToolbarButtons) {
  load();
  struct Face {
    ButtonFace face;
    bool shown;
  };
  for (const Face& face : {Face{ButtonFace::Dim, true}, Face{ButtonFace::Private, true},
                           Face{ButtonFace::Public, true}, Face{ButtonFace::Bas, true},
                           Face{ButtonFace::Settei, false}}) {
    const std::string name(FacePictureBox(face.face));
    SCOPED_TRACE(name);
    PictureBox& box = form().pictureBox(name);
    const Bitmap& picture = box.picture();
    ASSERT_EQ(picture.width, 16);
    ASSERT_EQ(picture.height, 16);
    EXPECT_EQ(picture, ButtonFacePicture(face.face));
    HWND pictureWindow = windowOf(box);
    EXPECT_EQ((GetWindowLongW(pictureWindow, GWL_STYLE) & WS_VISIBLE) != 0, face.shown);
    RECT client{};
    GetClientRect(pictureWindow, &client);
    EXPECT_GE(client.right, 16);
    EXPECT_GE(client.bottom, 16);
    // Drawn pixel for pixel, letters in black on light grey.
    const std::vector<COLORREF> drawn = drawnFace(window(), pictureWindow);
    int black = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const COLORREF expected = win32::paletteColour(picture.at(x, y));
        ASSERT_EQ(drawn[static_cast<std::size_t>(y * 16 + x)], expected) << x << "," << y;
        black += expected == RGB(0, 0, 0) ? 1 : 0;
      }
    }
    EXPECT_GT(black, 10) << "the face shows its letters";
  }
}

TEST_F(SettingsDialogLoad, RegistersTheDefaultHotKeysForItsWindowAndWritesThemDown) {
  load();
  for (UINT key : std::initializer_list<UINT>{'D', 'P', 'G', 'B'}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), kHotKeyAlreadyRegistered)
        << "Ctrl+Shift+" << static_cast<char>(key) << " is held";
  }
  const std::map<std::wstring, std::wstring> expected = {
      {L"HotKeyFlg1", L"6"}, {L"Key1", L"68"}, {L"HotKeyFlg2", L"6"}, {L"Key2", L"80"},
      {L"HotKeyFlg3", L"6"}, {L"Key3", L"71"}, {L"HotKeyFlg4", L"6"}, {L"Key4", L"66"}};
  EXPECT_EQ(ini(), expected) << "the missing keys are repaired in the file";
  EXPECT_TRUE(boxes.seen.empty());

  // A hotkey's message reaches the declaration through the hooked window procedure.
  const ATOM slot3 = GlobalFindAtomA("VBSHOYKEY3");
  ASSERT_NE(slot3, 0);
  PostMessageW(window(), WM_HOTKEY, slot3, MAKELPARAM(kCtrlShift, 'G'));
  pump.doEvents();
  EXPECT_EQ(owner.declared, std::vector<std::u16string>{u"Public"});
}

TEST_F(SettingsDialogLoad, ReportsAHotKeyThatAnotherProgramHoldsAndRegistersTheRest) {
  HeldHotKey other(kCtrlShift, 'P');
  ASSERT_TRUE(other.held());
  load();
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"[PRIVATE]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。"});
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].title, L"Velmora");
  EXPECT_EQ(boxes.seen[0].buttons, std::vector<int>{IDOK});
  for (UINT key : std::initializer_list<UINT>{'D', 'G', 'B'}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), kHotKeyAlreadyRegistered);
  }
  EXPECT_FALSE(IsWindowVisible(window())) << "loaded and hidden as usual";
}

TEST_F(SettingsDialogLoad, ShowsTheHotKeysInTheirRowsWhenOpened) {
  writeIni("[Velmora]\r\nHotKeyFlg1=6\r\nKey1=68\r\nHotKeyFlg2=0\r\nKey2=112\r\n"
           "HotKeyFlg3=15\r\nKey3=71\r\nHotKeyFlg4=3\r\nKey4=90\r\n");
  load();
  std::vector<std::wstring> keys;
  std::vector<std::vector<bool>> modifiers;
  openDialog({
      [&] {
        for (int row = 0; row < 4; ++row) {
          keys.push_back(textOf(keyList(row)));
          std::vector<bool> checks;
          for (const char* name : {"chkHot1", "chkHot2", "chkHot3", "chkHot4"}) {
            checks.push_back(SendMessageW(checkBox(name, row), BM_GETCHECK, 0, 0) == BST_CHECKED);
          }
          modifiers.push_back(checks);
        }
      },
      [&] { pressKey(VK_ESCAPE); },
  });
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"D", L"F1 キー", L"G", L"Z"}));
  EXPECT_EQ(modifiers, (std::vector<std::vector<bool>>{{false, true, true, false},
                                                       {false, false, false, false},
                                                       {true, true, true, true},
                                                       {true, true, false, false}}));
}

} // namespace
} // namespace velmora::testing
