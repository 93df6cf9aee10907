#include "engine/bas_select_dialog.hpp"
#include "engine/comment_dialog.hpp"
#include "engine/kata_dialog.hpp"
#include "installer/velsetup_form.hpp"
#include "settings_dialog_fixture.hpp"

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
    for (HWND control : children(form, className)) {
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

using Texts = std::pair<std::wstring, std::vector<std::wstring>>;

// The caption of the form loaded from `spec`, and what its controls show.
Texts textsOf(const FormSpec& spec) {
  win32::Win32FormsToolkit toolkit;
  const std::unique_ptr<Form> form = toolkit.load(spec);
  return {textOf(windowOf(*form)), shownTexts(windowOf(*form))};
}

TEST(FormTexts, TheTypeDialog) {
  EXPECT_EQ(textsOf(KataDialog::layout()),
            Texts(L"変数型選択", sorted({L"変数の型を選択してください(任意入力可)",
                                         L"登録されていない接頭文字です",
                                         L"省略時型指定なしで宣言します。", L"OK", L"ｷｬﾝｾﾙ"})));
}

TEST(FormTexts, TheCommentDialog) {
  EXPECT_EQ(textsOf(CommentDialog::layout()), // a full-width dash
            Texts(L"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ", sorted({L"ｺﾒﾝﾄ\uFF1A", L"OK", L"ｷｬﾝｾﾙ"})));
}

TEST(FormTexts, TheModuleDialog) {
  EXPECT_EQ(
      textsOf(BasSelectDialog::layout()),
      Texts(L"標準ﾓｼﾞｭｰﾙ選択", sorted({L"宣言する標準ﾓｼﾞｭｰﾙを選択してください", L"OK", L"ｷｬﾝｾﾙ"})));
}

TEST(FormTexts, TheInstaller) {
  EXPECT_EQ(
      textsOf(velsetupFormSpec()),
      Texts(L"ベルモラ登録", sorted({L"アドイン「ベルモラ」の登録を行います", L"登録", L"ｷｬﾝｾﾙ"})));
}

using FormTextsOfTheSettings = SettingsDialogTest;

TEST_F(FormTextsOfTheSettings, TheSettingsDialog) {
  load();
  EXPECT_EQ(textOf(window()), L"ベルモラの設定");
  std::vector<std::wstring> expected = {L"ベルモラの接頭語設定",
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
                                        L"ｷｬﾝｾﾙ"};
  for (int row = 0; row < 4; ++row) {
    expected.insert(expected.end(), {L"Alt", L"Ctrl", L"Shift", L"Window"});
  }
  EXPECT_EQ(shownTexts(window()), sorted(expected));
  EXPECT_EQ(columnHeaders(list()), (std::vector<std::wstring>{L"接頭文字", L"型"}));
  // Each row's boxes stand for their bits: Alt 1, Ctrl 2, Shift 4, Window 8.
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ((std::vector<std::wstring>{
                  textOf(checkBox("chkHot1", row)), textOf(checkBox("chkHot2", row)),
                  textOf(checkBox("chkHot3", row)), textOf(checkBox("chkHot4", row))}),
              (std::vector<std::wstring>{L"Alt", L"Ctrl", L"Shift", L"Window"}));
  }
}

} // namespace
} // namespace velmora
