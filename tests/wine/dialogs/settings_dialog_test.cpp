#include "common/hot_key_probe.hpp"
#include "hotkey/key_list.hpp"
#include "settings_dialog_fixture.hpp"

#include <optional>

// The settings form on the real toolkit and services: its window, its keys, its hotkeys.
namespace velmora::testing {
namespace {

using SettingsDialogLoad = SettingsDialogTest;
using SettingsDialogPrefixes = SettingsDialogTest;
using SettingsDialogOk = SettingsDialogTest;
using SettingsDialogLifetime = SettingsDialogTest;
using Rows = std::vector<std::vector<std::u16string>>;

constexpr UINT kDefaultKeys[] = {'D', 'P', 'G', 'B'};

// A hotkey's message reaches the declaration through the hooked window procedure.
std::vector<std::u16string> declaredBySlot(SettingsDialogTest& test, const char* atom, UINT key) {
  const ATOM slot = GlobalFindAtomA(atom);
  EXPECT_NE(slot, 0) << atom;
  PostMessageW(test.window(), WM_HOTKEY, slot, MAKELPARAM(kCtrlShift, key));
  test.pump.doEvents();
  return std::move(test.owner.declared);
}

// The hidden window of the layout with the table and the key lists; the default hotkeys are
// registered for it, and one that another program holds is reported.
TEST_F(SettingsDialogLoad, BuildsTheHiddenWindowAndRegistersTheHotKeysReportingAHeldOne) {
  state.prefixes = Prefixes({{u"str", u"String"}, {u" lng", u"Long"}});
  std::optional<HeldHotKey> other(std::in_place, kCtrlShift, 'P');
  ASSERT_TRUE(other->held());
  load();
  ASSERT_EQ(findForm(L"ベルモラの設定"), window());
  EXPECT_FALSE(IsWindowVisible(window()));
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"[PRIVATE]ｼｮｰﾄｶｯﾄｷｰの設定に失敗しました。"});
  other.reset();
  EXPECT_EQ(declaredBySlot(*this, "VBSHOYKEY3", 'G'), std::vector<std::u16string>{u"Public"});

  EXPECT_EQ(rows(), (Rows{{u"str", u"String"}, {u" lng", u"Long"}}));
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(GetWindowLongW(keyList(row), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    ASSERT_EQ(form().comboBox("cboKey", row).count(), static_cast<int>(KeyList().size()));
  }
  int item = 0; // the rows are filled alike
  for (const KeyListEntry& entry : KeyList()) {
    EXPECT_EQ(form().comboBox("cboKey", 3).itemText(item), entry.text);
    EXPECT_EQ(form().comboBox("cboKey", 3).itemData(item++), entry.key);
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
  Steps user(expected.size() - 1, [&] {
    focus.push_back(GetFocus());
    pressKey(VK_TAB); // taken before the next step runs
  });
  user.emplace_back([&] { focus.push_back(GetFocus()); });
  user.emplace_back([] { pressKey(VK_ESCAPE); });
  openDialog(std::move(user));
  EXPECT_EQ(focus, expected);
}

TEST_F(SettingsDialogPrefixes, TypingAPrefixAndATypeThenEnterAppendsTheRow) {
  state.prefixes = Prefixes(std::vector<PrefixEntry>{{u"int", u"Integer"}});
  load();
  std::vector<HWND> focus;
  std::vector<std::wstring> boxTexts;
  const auto typeThen = [&](const wchar_t* text, WPARAM key) {
    return [&focus, text, key] {
      focus.push_back(GetFocus());
      typeText(GetFocus(), text);
      pressKey(key);
    };
  };
  openDialog({
      typeThen(L"str", VK_TAB),
      typeThen(L"string", VK_RETURN),
      [&] {
        boxTexts = {textOf(prefixBox()), textOf(typeBox())};
      },
      // A leading space stays; the type takes the proper case, a "." starting no word.
      typeThen(L" obj", VK_TAB),
      typeThen(L"ADODB.RECORDSET", VK_RETURN),
      [] { pressKey(VK_ESCAPE); },
  });
  EXPECT_EQ(focus, (std::vector<HWND>{prefixBox(), typeBox(), prefixBox(), typeBox()}));
  EXPECT_EQ(boxTexts, (std::vector<std::wstring>{L"", L""})) << "both boxes are emptied";
  EXPECT_EQ(rows(),
            (Rows{{u"int", u"Integer"}, {u"str", u"String"}, {u" obj", u"Adodb.recordset"}}));
  EXPECT_EQ(form().listView("ListView1").selectedRow(), -1) << "the new row is not selected";
  EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(SettingsDialogOk, OkWritesTheSettingsFileAndRegistersTheNewHotKeysOrReportsAHeldOne) {
  state.prefixes = Prefixes(std::vector<PrefixEntry>{{u"str", u"String"}});
  load();
  openDialog({
      [&] {
        addRow(L"lng", L"long");
        clickButton(checkBox("chkNon"));
        clickButton(checkBox("chkTenmetsu"));
        // Dim: Ctrl+Shift+E. Private: Ctrl+P. Bas: Alt+Ctrl+Shift+B.
        form().comboBox("cboKey", 0).setText(u"E");
        clickButton(checkBox("chkHot3", 1));
        clickButton(checkBox("chkHot1", 3));
        clickButton(button(L"OK"));
      },
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
  for (const auto& [modifiers, key] : std::vector<std::pair<UINT, UINT>>{
           {kCtrlShift, 'E'}, {MOD_CONTROL, 'P'}, {kCtrlShift, 'G'}, {MOD_ALT | kCtrlShift, 'B'}}) {
    EXPECT_EQ(registrationError(modifiers, key), kHotKeyAlreadyRegistered)
        << static_cast<char>(key);
  }
  for (const UINT key : {UINT{'D'}, UINT{'P'}, UINT{'B'}}) {
    EXPECT_EQ(registrationError(kCtrlShift, key), 0u) << static_cast<char>(key);
  }

  // Again with the table emptied and a slot whose new combination another program holds: that
  // slot is reported, the dialog closes all the same and the file holds the new value.
  HeldHotKey other(kCtrlShift, 'X');
  ASSERT_TRUE(other.held());
  const auto removeFirstRow = [&] {
    form().listView("ListView1").selectRow(0);
    clickButton(button(L"<< 削除"));
  };
  openDialog({[&] {
    removeFirstRow();
    removeFirstRow();
    form().comboBox("cboKey", 2).setText(u"X");
    clickButton(button(L"OK"));
  }});
  EXPECT_EQ(messageTexts(), std::vector<std::wstring>{L"ホットキー3の設定に失敗しました。"});
  EXPECT_FALSE(IsWindowVisible(window()));
  const std::map<std::wstring, std::wstring> saved = ini();
  EXPECT_EQ(saved.count(L"SettouChar1"), 0u);
  EXPECT_EQ(saved.at(L"Key3"), L"88");
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);
  EXPECT_EQ(registrationError(kCtrlShift, 'G'), 0u) << "slot 3's old combination is released";
}

// Esc and the close box hide the dialog and write nothing; the window keeps its hotkeys and its
// hook. Unloading then lets go of the hotkeys, their atoms and the window.
TEST_F(SettingsDialogLifetime, EscAndTheCloseBoxHideTheDialogUnloadLetsGoOfEverything) {
  load();
  const std::string before = iniBytes();
  for (const bool closeBox : {false, true}) {
    openDialog({[&] {
      addRow(L"str", L"String");
      clickButton(checkBox("chkNon"));
      clickButton(checkBox("chkHot1", 0));
      closeBox ? (void)PostMessageW(window(), WM_CLOSE, 0, 0) : pressKey(VK_ESCAPE);
    }});
    EXPECT_FALSE(IsWindowVisible(window())) << closeBox;
    EXPECT_EQ(findForm(L"ベルモラの設定"), window()) << "hidden, not unloaded";
  }
  EXPECT_EQ(iniBytes(), before);
  EXPECT_EQ(state.prefixes.PrefixCount(), 0);
  EXPECT_EQ(state.options.intNon, 1);
  EXPECT_EQ(state.hotKeys[0].HotKeyFlg, 6);
  EXPECT_EQ(owner.tipUpdates, 0);
  for (const UINT key : kDefaultKeys) {
    EXPECT_EQ(registrationError(kCtrlShift, key), kHotKeyAlreadyRegistered);
  }
  EXPECT_EQ(declaredBySlot(*this, "VBSHOYKEY2", 'P'), std::vector<std::u16string>{u"Private"});

  HWND form = window();
  EXPECT_NE(GetWindowLongPtrW(form, GWLP_WNDPROC), GetClassLongPtrW(form, GCLP_WNDPROC));
  state.frmVelmora->unload();
  EXPECT_TRUE(state.frmVelmora->unloaded());
  EXPECT_FALSE(IsWindow(form));
  for (const UINT key : kDefaultKeys) {
    EXPECT_EQ(registrationError(kCtrlShift, key), 0u) << static_cast<char>(key) << " is free";
  }
  for (const char* atom : {"VBSHOYKEY1", "VBSHOYKEY2", "VBSHOYKEY3", "VBSHOYKEY4"}) {
    EXPECT_EQ(GlobalFindAtomA(atom), 0) << atom;
  }
  EXPECT_TRUE(boxes.seen.empty());
}

} // namespace
} // namespace velmora::testing
