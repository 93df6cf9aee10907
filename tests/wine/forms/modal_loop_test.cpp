#include "form_test_support.hpp"
#include "message_box_finder.hpp"
#include "support/error.hpp"
#include "ui_steps.hpp"

#include <memory>

namespace velmora {
namespace {

using namespace velmora::testing;

class ModalLoop : public ::testing::Test {
protected:
  // The OK and Cancel buttons note their clicks.
  std::unique_ptr<Form> dialog(bool withDefault = false, bool withCancel = false) {
    auto form = toolkit.load(dialogSpec(withDefault, withCancel));
    form->button("OKButton").onClick([this] { events.push_back("ok"); });
    form->button("CancelButton").onClick([this] { events.push_back("cancel"); });
    return form;
  }
  // Shows `form` modally while the user takes the steps, all of which must have run.
  static void show(Form& form, std::vector<std::function<void()>> user) {
    UiSteps steps(std::move(user));
    form.showModal();
    EXPECT_TRUE(steps.finished());
  }

  win32::Win32FormsToolkit toolkit;
  std::vector<std::string> events;
};

// Forms without them: DeclarationDialogs.TheTypeDialog... Shown again after a hide, the focus
// returns to where it was.
TEST_F(ModalLoop, EnterAndEscPressTheDefaultAndCancelButtonsOnly) {
  auto form = dialog(true, true);
  show(*form, {
                  [&] { pressKey(VK_RETURN); },
                  [&] { pressKey(VK_ESCAPE); },
                  [&] {
                    form->button("OKButton").setFocus();
                    form->hide();
                  },
              });
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_FALSE(form->visible());
  EXPECT_FALSE(form->unloaded());
  HWND focused = nullptr;
  show(*form, {[&] { focused = GetFocus(); }, [&] { form->hide(); }});
  EXPECT_EQ(focused, windowOf(form->button("OKButton"))) << "shown again, where it was";
}

TEST_F(ModalLoop, UnloadRunsQueryUnloadWhileTheWindowExistsThenEndsTheShowing) {
  auto form = dialog();
  HWND window = windowOf(*form);
  form->button("OKButton").onClick([&] {
    form->unload();
    events.push_back("after unload");
  });
  form->onQueryUnload(
      [&] { events.push_back(IsWindow(window) ? "query, window there" : "query"); });
  show(*form, {[&] { click(form->button("OKButton")); }});
  EXPECT_EQ(events, (std::vector<std::string>{"query, window there", "after unload"}));
  EXPECT_TRUE(form->unloaded());
  EXPECT_FALSE(IsWindow(window));
  EXPECT_NO_THROW(form->unload()) << "a second unload does nothing";
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(ModalLoop, AnEventMayDestroyItsOwnForm) {
  auto form = dialog();
  HWND window = windowOf(*form);
  form->button("OKButton").onClick([&] { form.reset(); });
  show(*form, {[&] { click(form->button("OKButton")); }});
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(ModalLoop, AnErrorEscapingAnEventIsShownAndTheFormGoesOn) {
  auto form = dialog();
  form->button("OKButton").onClick([] { throw HostError(u"書き込めません"); });
  MessageBoxSeen box;
  show(*form, {[&] { click(form->button("OKButton")); },
               [&] {
                 box = findMessageBox();
                 pressButton(box, IDOK);
               },
               [&] { form->hide(); }});
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
  auto outer = dialog();
  HWND outerWindow = windowOf(*outer);
  std::unique_ptr<Form> inner;
  outer->button("OKButton").onClick([&] {
    inner = dialog();
    inner->button("OKButton").onClick([&] {
      toolkit.show({u"続けますか", MessageButtons::Ok, MessageIcon::None, {}});
    });
    inner->showModal();
  });
  show(*outer, {
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
  EXPECT_TRUE(IsWindowEnabled(ide));
  EXPECT_FALSE(IsWindowEnabled(disabledAlready));
  EXPECT_EQ(GetActiveWindow(), ide);
  DestroyWindow(disabledAlready);
  DestroyWindow(ide);
}

TEST_F(ModalLoop, QuitEndsTheShowingAndIsPassedOn) {
  auto form = dialog();
  UiSteps steps({[] { PostQuitMessage(3); }}); // which takes any quit left when it goes
  form->showModal();
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 3u);
  EXPECT_TRUE(form->visible());
}

// Without a title the application's is shown (AnErrorEscapingAnEvent...); a question defaults to
// Yes.
TEST_F(ModalLoop, MessageBoxesShowTheirTitleIconAndButtonsAndReturnTheAnswer) {
  MessageBoxSeen seen;
  const auto answer = [&](const Message& message, int button) {
    UiSteps steps({[&] {
      seen = findMessageBox();
      pressButton(seen, button);
    }});
    return toolkit.show(message);
  };
  const Message question{u"型なしで宣言しますか", MessageButtons::YesNo, MessageIcon::None, u"題"};
  EXPECT_EQ(answer(question, IDYES), MessageResult::Yes);
  EXPECT_EQ(seen.title, L"題");
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(seen.defaultButton, IDYES);
  EXPECT_EQ(answer(question, IDNO), MessageResult::No);
}

} // namespace
} // namespace velmora
