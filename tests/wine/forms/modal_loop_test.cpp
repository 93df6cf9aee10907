#include "form_test_support.hpp"
#include "message_box_finder.hpp"
#include "support/error.hpp"
#include "ui_steps.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {
namespace {

using testing::click;
using testing::dialogSpec;
using testing::findMessageBox;
using testing::MessageBoxSeen;
using testing::pressButton;
using testing::pressKey;
using testing::UiSteps;
using testing::windowOf;

class ModalLoop : public ::testing::Test {
protected:
  win32::Win32FormsToolkit toolkit;
  std::vector<std::string> events;

  // Records the buttons' clicks; each click also ends the showing as the handler says.
  std::unique_ptr<Form> dialog(bool withDefault, bool withCancel) {
    auto form = toolkit.load(dialogSpec(withDefault, withCancel));
    Form* window = form.get();
    window->button("OKButton").onClick([this] { events.push_back("ok"); });
    window->button("CancelButton").onClick([this] { events.push_back("cancel"); });
    return form;
  }
};

// Enter and Esc press the default and the cancel button, unless they are disabled; without such
// buttons they do nothing, also with the focus on a button that is not the default one.
TEST_F(ModalLoop, EnterAndEscPressTheDefaultAndCancelButtonsOnly) {
  auto form = dialog(true, true);
  HWND text = windowOf(form->textBox("txtValue"));
  UiSteps steps({
      [&] { EXPECT_EQ(GetFocus(), text) << "the first control in the keyboard order"; },
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { form->button("OKButton").setEnabled(false); },
      [&] { form->button("CancelButton").setEnabled(false); },
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_TRUE(steps.finished());
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_FALSE(form->visible());
  EXPECT_FALSE(form->unloaded());

  auto plain = dialog(false, false);
  UiSteps plainSteps({
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { plain->button("OKButton").setFocus(); },
      [&] { pressKey(VK_RETURN); },
      [&] { pressKey(VK_ESCAPE); },
      [&] { plain->hide(); },
  });
  plain->showModal();
  EXPECT_TRUE(plainSteps.finished());
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(ModalLoop, UnloadRunsQueryUnloadWhileTheWindowExistsThenEndsTheShowing) {
  auto form = dialog(false, false);
  HWND window = windowOf(*form);
  form->button("OKButton").onClick([&] {
    events.push_back("ok");
    form->unload();
    events.push_back("after unload");
  });
  form->onQueryUnload([&] {
    events.push_back(IsWindow(window) != FALSE ? "query unload, window there" : "query unload");
  });
  UiSteps steps({[&] { click(form->button("OKButton")); }});
  form->showModal();
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "query unload, window there", "after unload"}));
  EXPECT_TRUE(form->unloaded());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_THROW(form->visible(), Error);
  EXPECT_THROW(form->button("OKButton"), Error);
  EXPECT_NO_THROW(form->unload());
  EXPECT_EQ(events.size(), 3u) << "a second unload runs no events";
}

TEST_F(ModalLoop, CloseBoxUnloadsUnlessTheFormHandlesIt) {
  auto plain = dialog(false, false);
  plain->onQueryUnload([&] { events.push_back("query unload"); });
  {
    UiSteps steps({[&] { PostMessageW(windowOf(*plain), WM_CLOSE, 0, 0); }});
    plain->showModal();
  }
  EXPECT_TRUE(plain->unloaded());

  auto handled = dialog(false, false);
  handled->onCloseBox([&] { events.push_back("close box"); });
  UiSteps steps({
      [&] { PostMessageW(windowOf(*handled), WM_CLOSE, 0, 0); },
      [&] {
        EXPECT_TRUE(handled->visible());
        handled->hide();
      },
  });
  handled->showModal();
  EXPECT_FALSE(handled->unloaded());
  EXPECT_EQ(events, (std::vector<std::string>{"query unload", "close box"}));
}

TEST_F(ModalLoop, ShowingAgainAfterHideReturnsTheFocusToWhereItWas) {
  auto form = dialog(false, false);
  HWND cancel = windowOf(form->button("CancelButton"));
  {
    UiSteps steps({[&] { SetFocus(cancel); }, [&] { form->hide(); }});
    form->showModal();
  }
  HWND focused = nullptr;
  UiSteps steps({[&] { focused = GetFocus(); }, [&] { form->hide(); }});
  form->showModal();
  EXPECT_EQ(focused, cancel);
}

TEST_F(ModalLoop, AnEventMayDestroyItsOwnForm) {
  auto form = dialog(false, false);
  HWND window = windowOf(*form);
  form->button("OKButton").onClick([&] {
    form.reset();
    events.push_back("destroyed");
  });
  UiSteps steps({[&] { click(form->button("OKButton")); }});
  form->showModal();
  EXPECT_EQ(events, std::vector<std::string>{"destroyed"});
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(ModalLoop, AnErrorEscapingAnEventIsShownAndTheFormGoesOn) {
  auto form = dialog(false, false);
  form->button("OKButton").onClick([] { throw HostError(u"書き込めません"); });
  MessageBoxSeen box;
  UiSteps steps({
      [&] { click(form->button("OKButton")); },
      [&] {
        box = findMessageBox();
        pressButton(box, IDOK);
      },
      [&] { form->hide(); },
  });
  form->showModal();
  EXPECT_TRUE(steps.finished());
  EXPECT_EQ(box.text, L"書き込めません");
  EXPECT_EQ(box.title, L"Velmora");
  EXPECT_TRUE(box.icon);
}

// A modal showing is modal to the thread: its other top-level windows take no input until the
// form has gone, then exactly those that were enabled are again, and the window that was active
// gets the activation back. A form or message box over the form nests: each disables only what
// was still enabled.
TEST_F(ModalLoop, AModalShowingDisablesTheThreadsOtherWindowsUntilItEnds) {
  const auto topLevel = [](const wchar_t* title) {
    return CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                           nullptr, nullptr, nullptr, nullptr);
  };
  HWND ide = topLevel(L"IDE");
  HWND disabledAlready = topLevel(L"disabled already");
  EnableWindow(disabledAlready, FALSE);
  SetActiveWindow(ide);
  auto outer = dialog(false, false);
  HWND outerWindow = windowOf(*outer);
  std::unique_ptr<Form> inner;
  outer->button("OKButton").onClick([&] {
    inner = dialog(false, false);
    inner->button("OKButton").onClick([&] {
      toolkit.show({u"続けますか", MessageButtons::Ok, MessageIcon::None, {}});
    });
    inner->showModal();
  });
  UiSteps steps({
      [&] {
        EXPECT_FALSE(IsWindowEnabled(ide));
        EXPECT_TRUE(IsWindowEnabled(outerWindow));
        click(outer->button("OKButton"));
      },
      [&] {
        EXPECT_FALSE(IsWindowEnabled(outerWindow)) << "under the inner form";
        EXPECT_FALSE(IsWindowEnabled(ide));
        click(inner->button("OKButton"));
      },
      [&] {
        const MessageBoxSeen box = findMessageBox();
        EXPECT_EQ(box.owner, windowOf(*inner));
        EXPECT_FALSE(IsWindowEnabled(windowOf(*inner))) << "under its message box";
        pressButton(box, IDOK);
      },
      [&] {
        EXPECT_TRUE(IsWindowEnabled(windowOf(*inner)));
        EXPECT_FALSE(IsWindowEnabled(outerWindow));
        inner->unload();
      },
      [&] {
        EXPECT_TRUE(IsWindowEnabled(outerWindow));
        EXPECT_FALSE(IsWindowEnabled(ide));
        outer->hide();
      },
  });
  outer->showModal();
  EXPECT_TRUE(steps.finished());
  EXPECT_TRUE(IsWindowEnabled(ide));
  EXPECT_FALSE(IsWindowEnabled(disabledAlready));
  EXPECT_EQ(GetActiveWindow(), ide);
  DestroyWindow(disabledAlready);
  DestroyWindow(ide);
}

TEST_F(ModalLoop, QuitEndsTheShowingAndIsPassedOn) {
  auto form = dialog(false, false);
  UiSteps steps({[] { PostQuitMessage(3); }});
  form->showModal();
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
  EXPECT_TRUE(form->visible());
}

// Without a title the application's is shown; icons and buttons as asked, a question defaulting
// to Yes.
TEST_F(ModalLoop, MessageBoxesShowTheirTitleIconAndButtonsAndReturnTheAnswer) {
  const auto answer = [&](const Message& message, int button, MessageBoxSeen& seen) {
    UiSteps steps({[&] {
      seen = findMessageBox();
      pressButton(seen, button);
    }});
    return toolkit.show(message);
  };
  MessageBoxSeen error;
  EXPECT_EQ(answer({u"失敗", MessageButtons::Ok, MessageIcon::Critical, {}}, IDOK, error),
            MessageResult::Ok);
  EXPECT_EQ(error.title, L"Velmora");
  EXPECT_TRUE(error.icon);
  const Message question{u"型なしで宣言しますか", MessageButtons::YesNo, MessageIcon::None, u"題"};
  MessageBoxSeen seen;
  EXPECT_EQ(answer(question, IDYES, seen), MessageResult::Yes);
  EXPECT_EQ(seen.title, L"題");
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(seen.defaultButton, IDYES);
  EXPECT_EQ(answer(question, IDNO, seen), MessageResult::No);
}

} // namespace
} // namespace velmora
