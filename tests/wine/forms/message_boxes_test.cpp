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

} // namespace
} // namespace velmora
