#include "engine/bas_select_dialog.hpp"
#include "engine/comment_dialog.hpp"
#include "engine/kata_dialog.hpp"
#include "forms/form_test_support.hpp"
#include "forms/win32_forms_toolkit.hpp"
#include "installer/velsetup_form.hpp"
#include "settings_dialog_fixture.hpp"
#include "window_search.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
// The list view's declarations need those of windows.h.
#include <commctrl.h>

// Every text the user reads on the five forms, as their windows show it: the window captions,
// and the captions of frames, labels, buttons and check boxes, and the list view's headers.
namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<std::wstring> sorted(std::vector<std::wstring> texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

// The texts of the controls that show one (labels are static windows; buttons, check boxes and
// frames are button windows), in no particular order.
std::vector<std::wstring> shownTexts(HWND form) {
  std::vector<std::wstring> texts;
  for (const wchar_t* className : {L"Static", L"Button"}) {
    for (HWND control : descendants(form, className)) {
      if (std::wstring text = textOf(control); !text.empty()) {
        texts.push_back(std::move(text));
      }
    }
  }
  return sorted(std::move(texts));
}

std::vector<std::wstring> columnHeaders(HWND view) {
  std::vector<std::wstring> headers;
  for (int column = 0;; ++column) {
    wchar_t text[64] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 64;
    if (SendMessageW(view, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&info)) == 0) {
      return headers;
    }
    headers.emplace_back(text);
  }
}

struct LoadedForm {
  win32::Win32FormsToolkit toolkit;
  std::unique_ptr<Form> form;

  explicit LoadedForm(const FormSpec& spec) : form(toolkit.load(spec)) {}
  HWND window() const { return windowOf(*form); }
};

TEST(FormTexts, TheTypeDialog) {
  const LoadedForm kata(KataDialog::layout());
  EXPECT_EQ(textOf(kata.window()), L"変数型選択");
  EXPECT_EQ(shownTexts(kata.window()),
            sorted({L"変数の型を選択してください(任意入力可)", L"登録されていない接頭文字です",
                    L"省略時型指定なしで宣言します。", L"OK", L"ｷｬﾝｾﾙ"}));
}

TEST(FormTexts, TheCommentDialog) {
  const LoadedForm comment(CommentDialog::layout());
  EXPECT_EQ(textOf(comment.window()), L"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ"); // a full-width dash
  EXPECT_EQ(shownTexts(comment.window()), sorted({L"ｺﾒﾝﾄ\uFF1A", L"OK", L"ｷｬﾝｾﾙ"}));
}

TEST(FormTexts, TheModuleDialog) {
  const LoadedForm basSelect(BasSelectDialog::layout());
  EXPECT_EQ(textOf(basSelect.window()), L"標準ﾓｼﾞｭｰﾙ選択");
  EXPECT_EQ(shownTexts(basSelect.window()),
            sorted({L"宣言する標準ﾓｼﾞｭｰﾙを選択してください", L"OK", L"ｷｬﾝｾﾙ"}));
}

TEST(FormTexts, TheInstaller) {
  const LoadedForm setup(velsetupFormSpec());
  EXPECT_EQ(textOf(setup.window()), L"ベルモラ登録");
  EXPECT_EQ(shownTexts(setup.window()),
            sorted({L"アドイン「ベルモラ」の登録を行います", L"登録", L"ｷｬﾝｾﾙ"}));
}

using FormTextsOfTheSettings = SettingsDialogTest;

TEST_F(FormTextsOfTheSettings, TheSettingsDialog) {
  load();
  EXPECT_EQ(textOf(window()), L"ベルモラの設定");
  std::vector<std::wstring> expected = {
      L"ベルモラの接頭語設定",
      L"接頭文字",
      L"型",
      L"追加 >>",
      L"<< 削除",
      L"上へ ↑",
      L"下へ ↓",
      L"検索順序↓",
      L"登録されていない接頭文字の場合はたずねる",
      L"ｼｮｰﾄｶｯﾄｷｰ",
      L"宣言時の動作",
      L"変数を点滅させる",
      L"ｺﾒﾝﾄを問い合わせる",
      L"ｺﾒﾝﾄ問い合わせ時にIMEﾓｰﾄﾞONにする",
      L"ベルモラ Ver 2.10",
      L"OK",
      L"ｷｬﾝｾﾙ",
  };
  for (int row = 0; row < 4; ++row) {
    expected.insert(expected.end(), {L"Alt", L"Ctrl", L"Shift", L"Window"});
  }
  EXPECT_EQ(shownTexts(window()), sorted(expected));
  EXPECT_EQ(columnHeaders(list()), (std::vector<std::wstring>{L"接頭文字", L"型"}));
  // Each row's boxes stand for their bits: Alt 1, Ctrl 2, Shift 4, Window 8.
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(textOf(checkBox("chkHot1", row)), L"Alt");
    EXPECT_EQ(textOf(checkBox("chkHot2", row)), L"Ctrl");
    EXPECT_EQ(textOf(checkBox("chkHot3", row)), L"Shift");
    EXPECT_EQ(textOf(checkBox("chkHot4", row)), L"Window");
  }
}

} // namespace
} // namespace velmora
