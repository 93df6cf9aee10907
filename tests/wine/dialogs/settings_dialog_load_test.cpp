#include "common/hot_key_probe.hpp"
#include "hotkey/key_list.hpp"
#include "list_contents.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using SettingsDialogLoad = SettingsDialogTest;

TEST_F(SettingsDialogLoad, BuildsTheHiddenWindowOfTheLayout) {
  setPrefixes({{u"str", u"String"}, {u" lng", u"Long"}});
  load();
  ASSERT_EQ(findForm(kSettingsCaption), window());
  EXPECT_FALSE(IsWindowVisible(window()));
  EXPECT_TRUE(boxes.seen.empty()) << "no message at load";
  EXPECT_EQ(listViewRows(list()), (Rows{{L"str", L"String"}, {L" lng", L"Long"}}));
  // Each key list offers the keys with their codes as item data.
  std::vector<ComboItem> keys;
  for (const KeyListEntry& entry : KeyList()) {
    keys.push_back({std::wstring(entry.text.begin(), entry.text.end()), entry.key});
  }
  const std::vector<HWND> keyLists = descendants(window(), L"ComboBox");
  ASSERT_EQ(keyLists.size(), 4u);
  for (HWND keyList : keyLists) {
    EXPECT_EQ(GetWindowLongW(keyList, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(comboItems(keyList), keys);
  }
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

TEST_F(SettingsDialogLoad, RegistersTheDefaultHotKeysForItsWindow) {
  load();
  for (UINT key : std::initializer_list<UINT>{'D', 'P', 'G', 'B'}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), kHotKeyAlreadyRegistered)
        << "Ctrl+Shift+" << static_cast<char>(key) << " is held";
  }
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

} // namespace
} // namespace velmora::testing
