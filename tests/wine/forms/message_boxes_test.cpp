#include "form_test_support.hpp"
#include "message_box_finder.hpp"
#include "ui_steps.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::findMessageBox;
using testing::MessageBoxSeen;
using testing::pressButton;
using testing::UiSteps;

class MessageBoxes : public ::testing::Test {
protected:
  // Shows `message` and answers it with the button `answer`; `seen` is the box as shown.
  MessageResult showAndAnswer(const Message& message, int answer, MessageBoxSeen& seen) {
    UiSteps steps({[&] {
      seen = findMessageBox();
      pressButton(seen, answer);
    }});
    return toolkit.show(message);
  }

  win32::Win32FormsToolkit toolkit;
};

TEST_F(MessageBoxes, AnOkBoxShowsItsTextAndTitleWithoutIcon) {
  MessageBoxSeen seen;
  const MessageResult result = showAndAnswer({u"アドイン「ベルモラ」の登録成功", MessageButtons::Ok,
                                              MessageIcon::None, u"ベルモラｾｯﾄｱｯﾌﾟ"},
                                             IDOK, seen);
  EXPECT_EQ(result, MessageResult::Ok);
  ASSERT_NE(seen.window, nullptr);
  EXPECT_EQ(seen.title, L"ベルモラｾｯﾄｱｯﾌﾟ");
  EXPECT_EQ(seen.text, L"アドイン「ベルモラ」の登録成功");
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
}

TEST_F(MessageBoxes, WithoutATitleTheApplicationTitleIsShownAndTheErrorIconWhenAsked) {
  MessageBoxSeen seen;
  showAndAnswer({u"失敗", MessageButtons::Ok, MessageIcon::Critical, {}}, IDOK, seen);
  EXPECT_EQ(seen.title, L"Velmora");
  EXPECT_TRUE(seen.icon);
}

TEST_F(MessageBoxes, AQuestionDefaultsToYesAndReturnsTheAnswer) {
  const Message question{u"型なしで宣言しますか", MessageButtons::YesNo, MessageIcon::None, {}};
  MessageBoxSeen seen;
  EXPECT_EQ(showAndAnswer(question, IDYES, seen), MessageResult::Yes);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(seen.defaultButton, IDYES);
  EXPECT_EQ(showAndAnswer(question, IDNO, seen), MessageResult::No);
}

TEST_F(MessageBoxes, TheBoxIsOwnedByTheActiveForm) {
  auto form = toolkit.load(testing::dialogSpec(false, false));
  MessageBoxSeen seen;
  UiSteps steps({
      [&] {
        toolkit.show({u"選択してください", MessageButtons::Ok, MessageIcon::None, {}});
      },
      [&] {
        seen = findMessageBox();
        pressButton(seen, IDOK);
      },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_EQ(seen.owner, testing::windowOf(*form));
  EXPECT_EQ(seen.text, L"選択してください");
}

} // namespace
} // namespace velmora
