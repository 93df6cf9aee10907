#include "list_contents.hpp"
#include "settings_dialog_fixture.hpp"
#include "user_actions.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {
namespace {

using SettingsDialogPrefixes = SettingsDialogTest;

TEST_F(SettingsDialogPrefixes, TypingAPrefixAndATypeThenEnterAppendsTheRow) {
  setPrefixes({{u"int", u"Integer"}});
  load();
  std::vector<HWND> focus;
  std::vector<std::wstring> boxTexts;
  openDialog({
      [&] {
        focus.push_back(GetFocus());
        typeIntoFocus(L"str");
        pressKey(VK_TAB);
      },
      [&] {
        focus.push_back(GetFocus());
        typeIntoFocus(L"string");
        pressKey(VK_RETURN);
      },
      [&] {
        focus.push_back(GetFocus());
        boxTexts = {textOf(prefixBox()), textOf(typeBox())};
      },
      // A leading space stays; the type takes the proper case, a "." starting no word.
      [&] {
        typeIntoFocus(L" obj");
        pressKey(VK_TAB);
      },
      [&] {
        typeIntoFocus(L"ADODB.RECORDSET");
        pressKey(VK_RETURN);
      },
      [&] { pressKey(VK_ESCAPE); },
  });
  EXPECT_EQ(focus, (std::vector<HWND>{prefixBox(), typeBox(), prefixBox()}));
  EXPECT_EQ(boxTexts, (std::vector<std::wstring>{L"", L""})) << "both boxes are emptied";
  EXPECT_EQ(listViewRows(list()),
            (Rows{{L"int", L"Integer"}, {L"str", L"String"}, {L" obj", L"Adodb.recordset"}}));
  EXPECT_TRUE(selectedListViewRows(list()).empty()) << "the new row is not selected";
  EXPECT_TRUE(boxes.seen.empty());
}

TEST_F(SettingsDialogPrefixes, AddRefusesAMissingPrefixOrTypeWithAMessage) {
  load();
  HWND focusAfterNoPrefix = nullptr;
  HWND focusAfterNoType = nullptr;
  openDialog({
      [&] { pressKey(VK_RETURN); },
      [&] {
        typeIntoFocus(L"   ");
        pressKey(VK_RETURN);
      },
      [&] {
        focusAfterNoPrefix = GetFocus();
        SetWindowTextW(prefixBox(), L"lng");
        clickButton(button(L"追加 >>"));
      },
      [&] {
        focusAfterNoType = GetFocus();
        typeIntoFocus(L"  ");
        pressKey(VK_RETURN);
      },
      [&] { pressKey(VK_ESCAPE); },
  });
  EXPECT_EQ(messageTexts(),
            (std::vector<std::wstring>{L"接頭文字を指定してください", L"接頭文字を指定してください",
                                       L"型を指定してください", L"型を指定してください"}));
  EXPECT_EQ(focusAfterNoPrefix, prefixBox());
  EXPECT_EQ(focusAfterNoType, typeBox());
  EXPECT_TRUE(listViewRows(list()).empty()) << "nothing is added";
}

} // namespace
} // namespace velmora::testing
