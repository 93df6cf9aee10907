#include "engine/bas_select_dialog.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "list_contents.hpp"
#include "modal_session.hpp"
#include "setup/message_box_watcher.hpp"
#include "user_actions.hpp"
#include "window_search.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using namespace velmora::testing;

constexpr wchar_t kCaption[] = L"標準ﾓｼﾞｭｰﾙ選択";

struct BasSelectWindows {
  HWND form = nullptr;
  HWND list = nullptr;
  HWND ok = nullptr;
  HWND cancel = nullptr;

  static BasSelectWindows find() {
    BasSelectWindows found;
    found.form = findForm(kCaption);
    found.list = descendant(found.form, L"ListBox");
    found.ok = buttonOf(found.form, L"OK");
    found.cancel = buttonOf(found.form, L"ｷｬﾝｾﾙ");
    return found;
  }
  bool complete() const {
    return form != nullptr && list != nullptr && ok != nullptr && cancel != nullptr;
  }
};

class BasSelectDialogTest : public ::testing::Test {
protected:
  BasSelectDialogTest() {
    state.StdModuleNames = {u"Module1", u"basCommon", u"標準モジュール"};
    state.SelectedStdModule = 7;
  }

  void show(Steps user) {
    user.insert(user.begin(), [this] {
      dialog = BasSelectWindows::find();
      ASSERT_TRUE(dialog.complete()) << "frmBasSelect's windows";
    });
    whileShown(std::move(user), [this] { BasSelectDialog::show(toolkit, state); });
    EXPECT_EQ(findForm(kCaption), nullptr) << "the dialog unloads itself";
  }

  win32::Win32FormsToolkit toolkit;
  EngineState state;
  BasSelectWindows dialog;
};

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

TEST_F(BasSelectDialogTest, TheCancelButtonAndTheCloseBoxGiveMinusOne) {
  show({
      [&] { clickListItem(dialog.list, 1); },
      [&] { clickButton(dialog.cancel); },
  });
  EXPECT_EQ(state.SelectedStdModule, -1);

  state.SelectedStdModule = 1;
  show({
      [&] { clickListItem(dialog.list, 0); },
      [&] { closeWindow(dialog.form); },
  });
  EXPECT_EQ(state.SelectedStdModule, -1) << "no stale answer is left for the declaration";
}

} // namespace
} // namespace velmora
