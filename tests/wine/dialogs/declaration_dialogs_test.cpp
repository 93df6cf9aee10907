#include "engine/bas_select_dialog.hpp"
#include "engine/comment_dialog.hpp"
#include "engine/kata_dialog.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "list_contents.hpp"
#include "modal_session.hpp"
#include "setup/message_box_watcher.hpp"
#include "user_actions.hpp"
#include "window_search.hpp"

#include <gtest/gtest.h>
#include <imm.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

// The dialogs of a declaration on the real toolkit, as the user meets them on the screen: the type
// dialog frmKata, the comment dialog frmComment and the module dialog frmBasSelect.
namespace velmora {
namespace {

using namespace velmora::testing;

constexpr wchar_t kKata[] = L"変数型選択";
constexpr wchar_t kComment[] = L"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ"; // the dash is the full-width one
constexpr wchar_t kBasSelect[] = L"標準ﾓｼﾞｭｰﾙ選択";

// A dialog's windows as the user finds them: its buttons, and its entry field and list (those of a
// simple combo box, or a text box, or a list box).
struct DialogWindows {
  HWND form = nullptr;
  HWND ok = nullptr;
  HWND cancel = nullptr;
  HWND combo = nullptr;
  HWND edit = nullptr;
  HWND list = nullptr;

  static DialogWindows find(const wchar_t* caption) {
    DialogWindows found;
    found.form = findForm(caption);
    found.ok = buttonOf(found.form, L"OK");
    found.cancel = buttonOf(found.form, L"ｷｬﾝｾﾙ");
    found.combo = descendant(found.form, L"ComboBox");
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (found.combo != nullptr && GetComboBoxInfo(found.combo, &parts) != FALSE) {
      found.edit = parts.hwndItem;
      found.list = parts.hwndList;
    } else {
      found.edit = descendant(found.form, L"Edit");
      found.list = descendant(found.form, L"ListBox");
    }
    return found;
  }
};

class DeclarationDialogs : public ::testing::Test {
protected:
  explicit DeclarationDialogs(const wchar_t* caption) : caption_(caption) {
    state.ChosenType = u"前回の答え";
    state.CommentText = u"前回のコメント";
    state.StdModuleNames = {u"Module1", u"basCommon", u"標準モジュール"};
    state.SelectedStdModule = 7;
  }

  // Shows the dialog; the user first finds its windows (a field and a list for the type dialog, a
  // field for the comment, a list for the module), then takes `user`'s steps.
  void show(Steps user) {
    const wchar_t* caption = caption_;
    user.insert(user.begin(), [this, caption] {
      dialog = DialogWindows::find(caption);
      ASSERT_TRUE(dialog.form && dialog.ok && dialog.cancel) << "the dialog's buttons";
      ASSERT_TRUE(caption == kBasSelect || dialog.edit) << "the entry field";
      ASSERT_TRUE(caption == kComment || dialog.list) << "the list";
      ASSERT_TRUE(IsWindowVisible(dialog.form));
    });
    whileShown(std::move(user), [this, caption] {
      if (caption == kKata) {
        KataDialog::show(toolkit, state);
      } else if (caption == kComment) {
        CommentDialog::show(toolkit, options, state);
      } else {
        BasSelectDialog::show(toolkit, state);
      }
    });
    EXPECT_EQ(findForm(caption), nullptr) << "the dialog unloads itself";
  }

  win32::Win32FormsToolkit toolkit;
  Options options{1, 1, 1, 1};
  EngineState state;
  DialogWindows dialog;

private:
  const wchar_t* caption_;
};

struct KataDialogTest : DeclarationDialogs {
  KataDialogTest() : DeclarationDialogs(kKata) {}
};
struct CommentDialogTest : DeclarationDialogs {
  CommentDialogTest() : DeclarationDialogs(kComment) {}
};
struct BasSelectDialogTest : DeclarationDialogs {
  BasSelectDialogTest() : DeclarationDialogs(kBasSelect) {}
};

TEST_F(KataDialogTest, ShowsTheTypesInOrderUnderAnEmptyField) {
  std::vector<std::wstring> types;
  show({
      [&] {
        types = listBoxItems(dialog.list);
        EXPECT_EQ(textOf(dialog.edit), L"");
        EXPECT_EQ(GetWindowLongW(dialog.combo, GWL_STYLE) & 3, CBS_SIMPLE);
        EXPECT_TRUE(IsWindowVisible(dialog.list)) << "the list is always shown";
        EXPECT_EQ(SendMessageW(dialog.list, LB_GETCURSEL, 0, 0), LB_ERR);
      },
      [&] { clickButton(dialog.cancel); },
  });
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
  user.emplace_back([&] { clickButton(dialog.cancel); });
  show(std::move(user));
  EXPECT_EQ(focus, (std::vector<HWND>{dialog.ok, dialog.cancel, dialog.combo, dialog.ok}));
}

TEST_F(KataDialogTest, DoubleClickingAnEntryChoosesIt) {
  show({[&] { doubleClickListItem(dialog.list, 2); }});
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
          before = textOf(dialog.edit);
          typeText(dialog.edit, c.typed);
          clickButton(dialog.ok);
        },
    });
    EXPECT_EQ(before, L"");
    EXPECT_EQ(state.ChosenType, c.expected);
  }
}

// No stale answer is left for the declaration.
TEST_F(KataDialogTest, CancelAndTheCloseBoxHandBackTheCancelMark) {
  for (const bool closeBox : {false, true}) {
    state.ChosenType = u"Long";
    show({[&] {
      typeText(dialog.edit, L"Long");
      closeBox ? closeWindow(dialog.form) : clickButton(dialog.cancel);
    }});
    EXPECT_EQ(state.ChosenType, kCancelType) << closeBox;
  }
}

TEST_F(KataDialogTest, EnterAndEscPressNeitherButton) {
  bool stillShown = false;
  show({
      // The focus starts on OK, which is not the default button.
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { SetFocus(dialog.edit); },
      [&] { typeIntoFocus(L"Date"); },
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] {
        stillShown = IsWindowVisible(dialog.form) != FALSE;
        EXPECT_EQ(state.ChosenType, u"前回の答え");
      },
      [&] { clickButton(dialog.ok); },
  });
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(state.ChosenType, u"Date");
}

// Enter and OK take the typed comment without its outer spaces; Esc, Cancel and the close box
// give none, whatever was typed or given the time before.
TEST_F(CommentDialogTest, EnterAndOkTakeTheTrimmedCommentTheOtherWaysOutGiveNone) {
  struct Case {
    const wchar_t* typed;
    void (*leave)(const DialogWindows&);
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {L"  顧客 comment  ", [](const DialogWindows&) { pressKey(VK_RETURN); }, u"顧客 comment"},
      {L"    ", [](const DialogWindows& d) { clickButton(d.ok); }, u""},
      {L"捨てる", [](const DialogWindows&) { pressKey(VK_ESCAPE); }, u""},
      {L"捨てる", [](const DialogWindows& d) { clickButton(d.cancel); }, u""},
      {L"捨てる", [](const DialogWindows& d) { closeWindow(d.form); }, u""},
  };
  for (const Case& c : cases) {
    state.CommentText = u"前回のコメント";
    HWND focused = nullptr;
    show({[&] {
      focused = GetFocus();
      typeIntoFocus(c.typed);
      c.leave(dialog);
    }});
    EXPECT_EQ(focused, dialog.edit) << "the comment box is first in the keyboard order";
    EXPECT_EQ(state.CommentText, c.expected) << ::testing::PrintToString(std::wstring(c.typed));
  }
}

TEST_F(CommentDialogTest, TheInputMethodIsOpenOnlyWhenTheOptionAsksForIt) {
  // The open status as the comment box's input context holds it: -1 without a context.
  const auto openStatus = [&] {
    HIMC context = ImmGetContext(dialog.edit);
    if (context == nullptr) {
      return -1;
    }
    const BOOL open = ImmGetOpenStatus(context);
    ImmReleaseContext(dialog.edit, context);
    return open != FALSE ? 1 : 0;
  };
  std::vector<int> seen;
  for (const std::int16_t imeMode : std::initializer_list<std::int16_t>{1, 0, 1}) {
    options.intImeMode = imeMode;
    show({[&] { seen.push_back(openStatus()); }, [&] { clickButton(dialog.cancel); }});
  }
  if (seen.front() == -1) {
    GTEST_SKIP() << "the comment box has no input context on this system (no input method)";
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

TEST_F(BasSelectDialogTest, ListsTheModulesInOrderAndEscGivesMinusOne) {
  std::vector<std::wstring> shown;
  LRESULT selection = 0;
  HWND focused = nullptr;
  show({
      [&] {
        shown = listBoxItems(dialog.list);
        selection = SendMessageW(dialog.list, LB_GETCURSEL, 0, 0);
        focused = GetFocus();
      },
      [&] { pressKey(VK_ESCAPE); },
  });
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"Module1", L"basCommon", L"標準モジュール"}));
  EXPECT_EQ(selection, LB_ERR) << "nothing is selected at first";
  EXPECT_EQ(focused, dialog.list) << "the list is first in the keyboard order";
  EXPECT_EQ(state.SelectedStdModule, -1);
}

TEST_F(BasSelectDialogTest, OkWithoutASelectionAsksForOneAndStaysOpen) {
  MessageBoxWatcher boxes;
  bool stillShown = false;
  show({
      [&] { clickButton(dialog.ok); },
      [&] {
        stillShown = IsWindowVisible(dialog.form) != FALSE;
        EXPECT_EQ(state.SelectedStdModule, 7);
      },
      [&] { clickListItem(dialog.list, 2); },
      [&] { pressKey(VK_RETURN); },
  });
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, L"宣言する標準ﾓｼﾞｭｰﾙを選択してください");
  EXPECT_EQ(boxes.seen[0].title, L"Velmora");
  EXPECT_EQ(boxes.seen[0].buttons, std::vector<int>{IDOK});
  EXPECT_FALSE(boxes.seen[0].icon);
  EXPECT_TRUE(stillShown);
  EXPECT_EQ(state.SelectedStdModule, 2);
}

// No stale answer is left for the declaration.
TEST_F(BasSelectDialogTest, TheCancelButtonAndTheCloseBoxGiveMinusOne) {
  for (const bool closeBox : {false, true}) {
    state.SelectedStdModule = 1;
    show({[&] { clickListItem(dialog.list, 0); },
          [&] { closeBox ? closeWindow(dialog.form) : clickButton(dialog.cancel); }});
    EXPECT_EQ(state.SelectedStdModule, -1) << closeBox;
  }
}

} // namespace
} // namespace velmora
