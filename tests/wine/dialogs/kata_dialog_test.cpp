#include "engine/kata_dialog.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "list_contents.hpp"
#include "modal_session.hpp"
#include "user_actions.hpp"
#include "window_search.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr wchar_t kCaption[] = L"変数型選択";

// frmKata's windows as the user finds them on the screen.
struct KataWindows {
  HWND form = nullptr;
  HWND ok = nullptr;
  HWND cancel = nullptr;
  HWND combo = nullptr;
  HWND edit = nullptr; // the combo box's text field
  HWND list = nullptr; // its list, always shown below the field

  static KataWindows find() {
    KataWindows found;
    found.form = findForm(kCaption);
    found.ok = buttonOf(found.form, L"OK");
    found.cancel = buttonOf(found.form, L"ｷｬﾝｾﾙ");
    found.combo = descendant(found.form, L"ComboBox");
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (found.combo != nullptr && GetComboBoxInfo(found.combo, &parts) != FALSE) {
      found.edit = parts.hwndItem;
      found.list = parts.hwndList;
    }
    return found;
  }
  bool complete() const {
    return form != nullptr && ok != nullptr && cancel != nullptr && edit != nullptr &&
           list != nullptr;
  }
};

class KataDialogTest : public ::testing::Test {
protected:
  KataDialogTest() { state.ChosenType = u"前回の答え"; }

  // Shows frmKata; the user first finds its windows, then takes `user`'s steps.
  void show(Steps user) {
    user.insert(user.begin(), [this] {
      kata = KataWindows::find();
      ASSERT_TRUE(kata.complete()) << "frmKata's windows";
      ASSERT_TRUE(IsWindowVisible(kata.form));
    });
    whileShown(std::move(user), [this] { KataDialog::show(toolkit, state); });
    EXPECT_EQ(findForm(kCaption), nullptr) << "the dialog unloads itself";
  }

  win32::Win32FormsToolkit toolkit;
  EngineState state;
  KataWindows kata;
};

TEST_F(KataDialogTest, ShowsItsTextsAndTheTypesInOrderUnderAnEmptyField) {
  std::vector<std::wstring> labels;
  std::vector<std::wstring> types;
  show({
      [&] {
        for (HWND label : descendants(kata.form, L"Static")) {
          labels.push_back(textOf(label));
        }
        types = listBoxItems(kata.list);
        EXPECT_EQ(textOf(kata.edit), L"");
        EXPECT_EQ(GetWindowLongW(kata.combo, GWL_STYLE) & 3, CBS_SIMPLE);
        EXPECT_TRUE(IsWindowVisible(kata.list)) << "the list is always shown";
        EXPECT_EQ(SendMessageW(kata.list, LB_GETCURSEL, 0, 0), LB_ERR);
      },
      [&] { clickButton(kata.cancel); },
  });
  EXPECT_EQ(labels, (std::vector<std::wstring>{L"変数の型を選択してください(任意入力可)",
                                               L"登録されていない接頭文字です",
                                               L"省略時型指定なしで宣言します。"}));
  EXPECT_EQ(types,
            (std::vector<std::wstring>{L"String", L"Integer", L"Long", L"Date", L"Double", L"Byte",
                                       L"Boolean", L"Single", L"Currency", L"Variant", L"Object"}));
}

TEST_F(KataDialogTest, TheKeyboardOrderIsOkCancelThenTheCombo) {
  std::vector<HWND> focus;
  Steps user;
  for (int n = 0; n < 3; ++n) {
    user.emplace_back([&] { focus.push_back(focusedControl()); });
    user.emplace_back([] { pressKey(VK_TAB); });
  }
  user.emplace_back([&] { focus.push_back(focusedControl()); });
  user.emplace_back([&] { clickButton(kata.cancel); });
  show(std::move(user));
  EXPECT_EQ(focus, (std::vector<HWND>{kata.ok, kata.cancel, kata.combo, kata.ok}));
}

TEST_F(KataDialogTest, DoubleClickingAnEntryChoosesIt) {
  show({[&] { doubleClickListItem(kata.list, 2); }});
  EXPECT_EQ(state.ChosenType, u"Long");
}

// Each showing starts with an empty field, whatever the one before was left with.
TEST_F(KataDialogTest, OkHandsBackTheTypedTextOrNothingWhenItIsBlank) {
  struct Case {
    const wchar_t* typed;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {L"clsCustomer", u"clsCustomer"}, // a class of the project, not in the list
      {L"", u""},                       // no type: the name is declared without one
      {L"   ", u""},
      {L"  Long ", u"  Long "}, // the spaces stay
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(c.typed)));
    state.ChosenType = u"前回の答え";
    std::wstring before = L"?";
    show({
        [&] {
          before = textOf(kata.edit);
          typeText(kata.edit, c.typed);
          clickButton(kata.ok);
        },
    });
    EXPECT_EQ(before, L"");
    EXPECT_EQ(state.ChosenType, c.expected);
  }
}

TEST_F(KataDialogTest, CancelAndTheCloseBoxHandBackTheCancelMark) {
  show({
      [&] {
        typeText(kata.edit, L"Long");
        clickButton(kata.cancel);
      },
  });
  EXPECT_EQ(state.ChosenType, kCancelType);

  state.ChosenType = u"Long";
  show({[&] { closeWindow(kata.form); }});
  EXPECT_EQ(state.ChosenType, kCancelType) << "no stale answer is left for the declaration";
}

TEST_F(KataDialogTest, EnterAndEscPressNeitherButton) {
  bool stillShown = false;
  show({
      // The focus starts on OK, which is not the default button.
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { SetFocus(kata.edit); },
      [&] { typeIntoFocus(L"Date"); },
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] {
        stillShown = IsWindowVisible(kata.form) != FALSE;
        EXPECT_EQ(state.ChosenType, u"前回の答え");
      },
      [&] { clickButton(kata.ok); },
  });
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(state.ChosenType, u"Date");
}

} // namespace
} // namespace velmora
