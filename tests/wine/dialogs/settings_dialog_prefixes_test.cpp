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

TEST_F(SettingsDialogPrefixes, AnEntryBoxSelectsItsTextWhenTheFocusComesIn) {
  load();
  std::vector<DWORD> selection(2);
  openDialog({
      [&] {
        SetWindowTextW(typeBox(), L"old");
        pressKey(VK_TAB);
      },
      [&] {
        SendMessageW(typeBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&selection[0]),
                     reinterpret_cast<LPARAM>(&selection[1]));
        typeIntoFocus(L"Long");
        pressKey(VK_ESCAPE);
      },
  });
  EXPECT_EQ(selection, (std::vector<DWORD>{0, 3}));
  EXPECT_EQ(textOf(typeBox()), L"Long") << "typing replaces the selected text";
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
  for (const MessageBoxSeen& box : boxes.seen) {
    EXPECT_EQ(box.title, L"Velmora");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(box.icon);
  }
  EXPECT_EQ(focusAfterNoPrefix, prefixBox());
  EXPECT_EQ(focusAfterNoType, typeBox());
  EXPECT_TRUE(listViewRows(list()).empty()) << "nothing is added";
}

TEST_F(SettingsDialogPrefixes, UpDownAndDeleteWorkOnTheSelectedRow) {
  setPrefixes({{u"a", u"A"}, {u"b", u"B"}, {u"c", u"C"}, {u"d", u"D"}, {u"e", u"E"}});
  load();
  const Rows start = {{L"a", L"A"}, {L"b", L"B"}, {L"c", L"C"}, {L"d", L"D"}, {L"e", L"E"}};
  struct Seen {
    Rows rows;
    std::vector<int> selected;
  };
  std::vector<Seen> seen;
  const auto note = [&] { seen.push_back({listViewRows(list()), selectedListViewRows(list())}); };
  openDialog({
      // Without a selection the three buttons do nothing.
      [&] {
        clickButton(button(L"上へ ↑"));
        clickButton(button(L"下へ ↓"));
        clickButton(button(L"<< 削除"));
        note();
      },
      // Up on row 3 of 5 exchanges rows 2 and 3; the selection follows the entry.
      [&] {
        selectListViewRow(list(), 2);
        clickButton(button(L"上へ ↑"));
        note();
      },
      [&] {
        selectListViewRow(list(), 0);
        clickButton(button(L"上へ ↑"));
        selectListViewRow(list(), 4);
        clickButton(button(L"下へ ↓"));
        note();
      },
      [&] {
        selectListViewRow(list(), 3);
        clickButton(button(L"下へ ↓"));
        note();
      },
      [&] {
        selectListViewRow(list(), 1);
        clickButton(button(L"<< 削除"));
        note();
      },
      [&] { clickButton(button(L"OK")); },
  });
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0].rows, start);
  EXPECT_EQ(seen[1].rows,
            (Rows{{L"a", L"A"}, {L"c", L"C"}, {L"b", L"B"}, {L"d", L"D"}, {L"e", L"E"}}));
  EXPECT_EQ(seen[1].selected, std::vector<int>{1});
  EXPECT_EQ(seen[2].rows, seen[1].rows) << "Up on the top row, Down on the bottom row";
  EXPECT_EQ(seen[2].selected, std::vector<int>{4});
  EXPECT_EQ(seen[3].rows,
            (Rows{{L"a", L"A"}, {L"c", L"C"}, {L"b", L"B"}, {L"e", L"E"}, {L"d", L"D"}}));
  EXPECT_EQ(seen[3].selected, std::vector<int>{4});
  EXPECT_EQ(seen[4].rows, (Rows{{L"a", L"A"}, {L"b", L"B"}, {L"e", L"E"}, {L"d", L"D"}}));
  EXPECT_TRUE(seen[4].selected.empty()) << "Delete selects no other row";

  // OK stores the rows in their new order, and no more of them.
  const auto saved = ini();
  EXPECT_EQ(saved.at(L"SettouChar1"), L"a");
  EXPECT_EQ(saved.at(L"SettouChar2"), L"b");
  EXPECT_EQ(saved.at(L"Kata3"), L"E");
  EXPECT_EQ(saved.at(L"SettouChar4"), L"d");
  EXPECT_EQ(saved.count(L"SettouChar5"), 0u);
  EXPECT_EQ(state.prefixes.PrefixCount(), 4);
  EXPECT_EQ(state.prefixes.PrefixTable()[2].SettouChar, u"e");
}

} // namespace
} // namespace velmora::testing
