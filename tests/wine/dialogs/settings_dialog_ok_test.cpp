#include "common/hot_key_probe.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using SettingsDialogOk = SettingsDialogTest;

// The entry of a key list that shows `text`.
int keyIndex(HWND keyList, const wchar_t* text) {
  return static_cast<int>(
      SendMessageW(keyList, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(text)));
}

TEST_F(SettingsDialogOk, OkWritesTheSettingsFileAndRegistersTheNewHotKeys) {
  setPrefixes({{u"str", u"String"}});
  load();
  openDialog({
      [&] {
        typeIntoFocus(L"lng");
        pressKey(VK_TAB);
      },
      [&] {
        typeIntoFocus(L"long");
        pressKey(VK_RETURN);
      },
      [&] {
        clickButton(checkBox("chkNon"));
        clickButton(checkBox("chkTenmetsu"));
        // Dim: Ctrl+Shift+E. Private: Ctrl+P. Bas: Alt+Ctrl+Shift+B.
        chooseComboItem(keyList(0), keyIndex(keyList(0), L"E"));
        clickButton(checkBox("chkHot3", 1));
        clickButton(checkBox("chkHot1", 3));
      },
      [&] { clickButton(button(L"OK")); },
  });
  EXPECT_FALSE(IsWindowVisible(window())) << "OK hides the dialog";
  EXPECT_FALSE(state.frmVelmora->unloaded());
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_EQ(owner.tipUpdates, 1);

  const std::map<std::wstring, std::wstring> expected = {
      {L"SettouChar1", L"str"}, {L"Kata1", L"String"}, {L"SettouChar2", L"lng"},
      {L"Kata2", L"Long"},      {L"Non", L"0"},        {L"Tenmetsu", L"0"},
      {L"Comment", L"1"},       {L"ImeMode", L"1"},    {L"HotKeyFlg1", L"6"},
      {L"Key1", L"69"},         {L"HotKeyFlg2", L"2"}, {L"Key2", L"80"},
      {L"HotKeyFlg3", L"6"},    {L"Key3", L"71"},      {L"HotKeyFlg4", L"7"},
      {L"Key4", L"66"}};
  EXPECT_EQ(ini(), expected);

  // The new combinations are held by the settings window, the old ones are free again.
  struct Combination {
    UINT modifiers;
    UINT key;
    DWORD error;
  };
  for (const Combination& c : {Combination{kCtrlShift, 'E', kHotKeyAlreadyRegistered},
                               Combination{MOD_CONTROL, 'P', kHotKeyAlreadyRegistered},
                               Combination{kCtrlShift, 'G', kHotKeyAlreadyRegistered},
                               Combination{MOD_ALT | kCtrlShift, 'B', kHotKeyAlreadyRegistered},
                               Combination{kCtrlShift, 'D', 0}, Combination{kCtrlShift, 'P', 0},
                               Combination{kCtrlShift, 'B', 0}}) {
    EXPECT_EQ(registrationError(c.modifiers, c.key), c.error)
        << "modifiers " << c.modifiers << ", key " << static_cast<char>(c.key);
  }
}

TEST_F(SettingsDialogOk, ASlotThatAnotherProgramHoldsIsReportedAndTheDialogStillCloses) {
  load();
  HeldHotKey other(kCtrlShift, 'X');
  ASSERT_TRUE(other.held());
  openDialog({
      [&] {
        chooseComboItem(keyList(2), keyIndex(keyList(2), L"X"));
        clickButton(button(L"OK"));
      },
  });
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"ホットキー3の設定に失敗しました。"});
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].title, L"Velmora");
  EXPECT_FALSE(IsWindowVisible(window()));
  EXPECT_EQ(ini().at(L"Key3"), L"88") << "the file holds the new value all the same";
  for (UINT key : std::initializer_list<UINT>{'D', 'P', 'B'}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), kHotKeyAlreadyRegistered);
  }
  EXPECT_EQ(registrationError(kCtrlShift, 'G'), 0u) << "slot 3's old combination is released";
}

TEST_F(SettingsDialogOk, OkWithAnEmptyListStoresAnEmptyTable) {
  setPrefixes({{u"str", u"String"}});
  load();
  openDialog({
      [&] {
        selectListViewRow(list(), 0);
        clickButton(button(L"<< 削除"));
        clickButton(button(L"OK"));
      },
  });
  EXPECT_TRUE(boxes.seen.empty());
  EXPECT_FALSE(IsWindowVisible(window()));
  const auto saved = ini();
  EXPECT_EQ(saved.count(L"SettouChar1"), 0u);
  EXPECT_EQ(saved.at(L"Key4"), L"66");
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);
}

} // namespace
} // namespace velmora::testing
