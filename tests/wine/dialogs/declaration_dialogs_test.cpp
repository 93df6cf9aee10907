#include "dialog_driving.hpp"
#include "engine/bas_select_dialog.hpp"
#include "engine/comment_dialog.hpp"
#include "engine/kata_dialog.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "setup/message_box_watcher.hpp"

// The dialogs of a declaration on the real toolkit, as the user meets them on the screen: the type
// dialog frmKata, the comment dialog frmComment and the module dialog frmBasSelect.
namespace velmora {
namespace {

using namespace velmora::testing;

constexpr wchar_t kKata[] = L"変数型選択";
constexpr wchar_t kComment[] = L"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ"; // the dash is the full-width one
constexpr wchar_t kBasSelect[] = L"標準ﾓｼﾞｭｰﾙ選択";

// A dialog's windows: its buttons, and its entry field and list (those of a simple combo box, or
// a text box, or a list box).
struct DialogWindows {
  HWND form = nullptr;
  HWND ok = nullptr;
  HWND cancel = nullptr;
  HWND combo = nullptr;
  HWND edit = nullptr;
  HWND list = nullptr;
};

class DeclarationDialogs : public ::testing::Test {
protected:
  // Shows the dialog; the user first finds its windows, then takes `user`'s steps.
  void show(const wchar_t* caption, Steps user) {
    state.ChosenType = u"前回の答え";
    state.CommentText = u"前回のコメント";
    state.StdModuleNames = {u"Module1", u"basCommon", u"標準モジュール"};
    state.SelectedStdModule = 7;
    user.insert(user.begin(), [this, caption] {
      dialog = {findForm(caption)};
      dialog.ok = buttonOf(dialog.form, L"OK");
      dialog.cancel = buttonOf(dialog.form, L"ｷｬﾝｾﾙ");
      dialog.combo = child(dialog.form, L"ComboBox");
      COMBOBOXINFO parts{};
      parts.cbSize = sizeof parts;
      if (dialog.combo != nullptr && GetComboBoxInfo(dialog.combo, &parts) != FALSE) {
        dialog.edit = parts.hwndItem;
        dialog.list = parts.hwndList;
      } else {
        dialog.edit = child(dialog.form, L"Edit");
        dialog.list = child(dialog.form, L"ListBox");
      }
      ASSERT_TRUE(dialog.ok && dialog.cancel && IsWindowVisible(dialog.form));
      ASSERT_TRUE((caption == kBasSelect || dialog.edit) && (caption == kComment || dialog.list));
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
};

using Leave = void (*)(const DialogWindows&);
const Leave ok = [](const DialogWindows& d) { clickButton(d.ok); };
const Leave cancel = [](const DialogWindows& d) { clickButton(d.cancel); };
const Leave closeBox = [](const DialogWindows& d) { PostMessageW(d.form, WM_CLOSE, 0, 0); };
const Leave enter = [](const DialogWindows&) { pressKey(VK_RETURN); };
const Leave esc = [](const DialogWindows&) { pressKey(VK_ESCAPE); };
const Leave doubleClickThird = [](const DialogWindows& d) { clickListItem(d.list, 2, true); };
const Leave pickFirstThenCloseBox = [](const DialogWindows& d) {
  clickListItem(d.list, 0);
  PostMessageW(d.form, WM_CLOSE, 0, 0); // the close box
};

struct WayOut {
  const wchar_t* dialog;
  HWND DialogWindows::*firstFocus;
  const wchar_t* typed; // into the entry field, which each showing starts empty
  Leave leave;
  std::u16string answer; // the type, the comment, or the module's index
};

// Every way out of each dialog, and what it leaves for the declaration: no stale answer of the
// showing before.
TEST_F(DeclarationDialogs, EachWayOutHandsBackItsAnswer) {
  const std::vector<WayOut> ways = {
      {kKata, &DialogWindows::ok, L"   ", ok, u""},            // declared without a type
      {kKata, &DialogWindows::ok, L"  Long ", ok, u"  Long "}, // not in the list, spaces and all
      {kKata, &DialogWindows::ok, L"", doubleClickThird, u"Long"},
      {kKata, &DialogWindows::ok, L"Long", cancel, kCancelType},
      {kKata, &DialogWindows::ok, L"Long", closeBox, kCancelType},
      {kComment, &DialogWindows::edit, L"  顧客 comment  ", enter, u"顧客 comment"},
      {kComment, &DialogWindows::edit, L"捨てる", esc, u""},
      {kComment, &DialogWindows::edit, L"捨てる", closeBox, u""},
      {kBasSelect, &DialogWindows::list, L"", pickFirstThenCloseBox, u"-1"},
  };
  for (const WayOut& way : ways) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(way.dialog) + L" " + way.typed));
    HWND focused = nullptr;
    std::wstring before = L"?";
    show(way.dialog, {[&] {
           focused = GetFocus();
           before = textOf(dialog.edit);
           typeText(dialog.edit, way.typed);
           way.leave(dialog);
         }});
    EXPECT_EQ(focused, dialog.*way.firstFocus) << "first in the keyboard order";
    EXPECT_EQ(before, L"");
    const std::string index = std::to_string(state.SelectedStdModule);
    const std::u16string answer = way.dialog == kKata ? state.ChosenType
                                  : way.dialog == kComment
                                      ? state.CommentText
                                      : std::u16string(index.begin(), index.end());
    EXPECT_EQ(answer, way.answer);
  }
}

// The focus starts on OK, which is not the default button; there is no cancel button either.
TEST_F(DeclarationDialogs, TheTypeDialogListsTheTypesAndLeavesEnterAndEscAlone) {
  std::vector<std::wstring> types;
  Steps user = {
      [&] {
        types = listBoxItems(dialog.list);
        EXPECT_EQ(GetWindowLongW(dialog.combo, GWL_STYLE) & 3, CBS_SIMPLE) << "a list always shown";
        EXPECT_EQ(SendMessageW(dialog.list, LB_GETCURSEL, 0, 0), LB_ERR);
        pressKey(VK_RETURN);
      },
      [&] { pressKey(VK_ESCAPE); },
      [&] {
        SetFocus(dialog.edit);
        typeText(dialog.edit, L"Date");
        pressKey(VK_RETURN);
      },
      [&] { pressKey(VK_ESCAPE); },
      [&] {
        EXPECT_EQ(state.ChosenType, u"前回の答え") << "still shown";
        clickButton(dialog.ok);
      },
  };
  show(kKata, std::move(user));
  EXPECT_EQ(types,
            (std::vector<std::wstring>{L"String", L"Integer", L"Long", L"Date", L"Double", L"Byte",
                                       L"Boolean", L"Single", L"Currency", L"Variant", L"Object"}));
  EXPECT_EQ(state.ChosenType, u"Date");
}

TEST_F(DeclarationDialogs, TheModuleDialogListsTheModulesAndOkWithoutASelectionAsksForOne) {
  MessageBoxWatcher boxes;
  std::vector<std::wstring> shown;
  show(kBasSelect, {
                       [&] {
                         shown = listBoxItems(dialog.list);
                         EXPECT_EQ(SendMessageW(dialog.list, LB_GETCURSEL, 0, 0), LB_ERR);
                         clickButton(dialog.ok);
                       },
                       [&] {
                         EXPECT_TRUE(IsWindowVisible(dialog.form)) << "still open";
                         EXPECT_EQ(state.SelectedStdModule, 7);
                         clickListItem(dialog.list, 2);
                         pressKey(VK_RETURN);
                       },
                   });
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"Module1", L"basCommon", L"標準モジュール"}));
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].text, L"宣言する標準ﾓｼﾞｭｰﾙを選択してください");
  EXPECT_EQ(boxes.seen[0].buttons, std::vector<int>{IDOK});
  EXPECT_FALSE(boxes.seen[0].icon);
  EXPECT_EQ(state.SelectedStdModule, 2);
}

} // namespace
} // namespace velmora
