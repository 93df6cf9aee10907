#include "engine/comment_dialog.hpp"
#include "forms/form_fonts.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "modal_session.hpp"
#include "user_actions.hpp"
#include "window_search.hpp"

#include <gtest/gtest.h>
#include <imm.h>
#include <initializer_list>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using namespace velmora::testing;

// The dash is the full-width one.
constexpr wchar_t kCaption[] = L"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ";

struct CommentWindows {
  HWND form = nullptr;
  HWND text = nullptr;
  HWND ok = nullptr;
  HWND cancel = nullptr;

  static CommentWindows find() {
    CommentWindows found;
    found.form = findForm(kCaption);
    found.text = descendant(found.form, L"Edit");
    found.ok = buttonOf(found.form, L"OK");
    found.cancel = buttonOf(found.form, L"ｷｬﾝｾﾙ");
    return found;
  }
  bool complete() const {
    return form != nullptr && text != nullptr && ok != nullptr && cancel != nullptr;
  }
};

class CommentDialogTest : public ::testing::Test {
protected:
  CommentDialogTest() { state.CommentText = u"前回のコメント"; }

  void show(Steps user) {
    user.insert(user.begin(), [this] {
      comment = CommentWindows::find();
      ASSERT_TRUE(comment.complete()) << "frmComment's windows";
    });
    whileShown(std::move(user), [this] { CommentDialog::show(toolkit, options, state); });
    EXPECT_EQ(findForm(kCaption), nullptr) << "the dialog unloads itself";
  }

  win32::Win32FormsToolkit toolkit;
  Options options{1, 1, 1, 1};
  EngineState state;
  CommentWindows comment;
};

TEST_F(CommentDialogTest, EnterTakesTheTypedCommentWithoutItsOuterSpaces) {
  HWND focused = nullptr;
  show({
      [&] {
        focused = GetFocus();
        typeIntoFocus(L"  顧客 comment  ");
        pressKey(VK_RETURN);
      },
  });
  EXPECT_EQ(focused, comment.text) << "the comment box is first in the keyboard order";
  EXPECT_EQ(state.CommentText, u"顧客 comment");
}

TEST_F(CommentDialogTest, OkWithOnlySpacesGivesNoComment) {
  show({
      [&] {
        typeIntoFocus(L"    ");
        clickButton(comment.ok);
      },
  });
  EXPECT_EQ(state.CommentText, u"");
}

TEST_F(CommentDialogTest, EscTheCancelButtonAndTheCloseBoxGiveNoComment) {
  show({
      [&] {
        typeIntoFocus(L"捨てる");
        pressKey(VK_ESCAPE);
      },
  });
  EXPECT_EQ(state.CommentText, u"");

  state.CommentText = u"前回のコメント";
  show({
      [&] {
        typeIntoFocus(L"捨てる");
        clickButton(comment.cancel);
      },
  });
  EXPECT_EQ(state.CommentText, u"");

  state.CommentText = u"前回のコメント";
  show({
      [&] {
        typeIntoFocus(L"捨てる");
        closeWindow(comment.form);
      },
  });
  EXPECT_EQ(state.CommentText, u"");
}

TEST_F(CommentDialogTest, TheCommentBoxShowsTheGothicFaceOrTheFallback) {
  LOGFONTW font{};
  show({
      [&] {
        auto shown = win32::fromInteger<HFONT>(SendMessageW(comment.text, WM_GETFONT, 0, 0));
        ASSERT_NE(shown, nullptr);
        GetObjectW(shown, sizeof font, &font);
      },
      [&] { clickButton(comment.cancel); },
  });
  if (win32::fontFaceInstalled(L"ＭＳ ゴシック")) {
    EXPECT_STREQ(font.lfFaceName, L"ＭＳ ゴシック");
  } else {
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_STREQ(font.lfFaceName, gui.lfFaceName) << "a missing face falls back";
  }
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72)) << "9 points";
  ReleaseDC(nullptr, screen);
}

TEST_F(CommentDialogTest, TheInputMethodIsOpenOnlyWhenTheOptionAsksForIt) {
  // The open status as the comment box's input context holds it: -1 without a context.
  const auto openStatus = [&] {
    HIMC context = ImmGetContext(comment.text);
    if (context == nullptr) {
      return -1;
    }
    const BOOL open = ImmGetOpenStatus(context);
    ImmReleaseContext(comment.text, context);
    return open != FALSE ? 1 : 0;
  };
  std::vector<int> seen;
  for (std::int16_t imeMode : std::initializer_list<std::int16_t>{1, 0, 1}) {
    options.intImeMode = imeMode;
    show({
        [&] { seen.push_back(openStatus()); },
        [&] { clickButton(comment.cancel); },
    });
  }
  if (seen.front() == -1) {
    GTEST_SKIP() << "the comment box has no input context on this system (no input method)";
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

} // namespace
} // namespace velmora
