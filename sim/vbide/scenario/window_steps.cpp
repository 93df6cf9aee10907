#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/scenario/poll.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "sim/vbide/scenario/window_search.hpp"
#include "support/utf.hpp"

// The steps on the windows the add-in opens: wait-window, type, press-button, close,
// answer-message. They act from outside, as a user does: messages are posted (a button's click
// may open another dialog and wait in it), or sent with a timeout where the control must have
// taken the text before the next step.
namespace velmora::sim::vbide {

namespace {

std::wstring wide(const std::string& utf8) {
  const std::u16string text = fromUtf8(utf8);
  return {text.begin(), text.end()};
}

HWND currentWindow(const ScenarioContext& context) {
  if (context.current == nullptr || !IsWindow(context.current)) {
    throw StepFailure("no window to act on: wait-window first");
  }
  return context.current;
}

LRESULT sendWithin(const ScenarioContext& context, HWND window, UINT message, WPARAM wParam,
                   LPARAM lParam) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, context.ide.timeout(),
                          &result) == 0) {
    throw StepFailure("the window did not answer within " + std::to_string(context.ide.timeout()) +
                      " ms");
  }
  return static_cast<LRESULT>(result);
}

// Clicks a button as the user does; the click runs in the dialog's own loop.
void click(HWND button) {
  if (!IsWindowEnabled(button)) {
    throw StepFailure("the button \"" + utf8Of(windowText(button)) + "\" is disabled");
  }
  PostMessageW(button, BM_CLICK, 0, 0);
}

} // namespace

void waitWindowStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::wstring caption = wide(step.arguments[0]);
  HWND found = waitForWindow([&] { return findTopLevel(caption); }, context.ide.timeout());
  if (found == nullptr) {
    throw StepFailure("no window \"" + step.arguments[0] + "\" appeared within " +
                      std::to_string(context.ide.timeout()) + " ms");
  }
  context.current = found;
}

void typeStep(const ScenarioStep& step, ScenarioContext& context) {
  HWND window = currentWindow(context);
  HWND control = findControl(window, wide(step.arguments[0]));
  if (control == nullptr) {
    throw StepFailure("the window has no control " + step.arguments[0]);
  }
  const std::wstring text = wide(step.arguments[1]);
  const auto textParameter = reinterpret_cast<LPARAM>(text.c_str());
  const bool comboBox = _wcsicmp(className(control).c_str(), L"ComboBox") == 0;
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  if (comboBox && (style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST) {
    if (sendWithin(context, control, CB_SELECTSTRING, static_cast<WPARAM>(-1), textParameter) ==
        CB_ERR) {
      throw StepFailure("the list has no item \"" + step.arguments[1] + "\"");
    }
    const auto id = static_cast<WORD>(GetDlgCtrlID(control));
    sendWithin(context, GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
    return;
  }
  if (_wcsicmp(className(control).c_str(), L"ListBox") == 0) {
    // A list box takes no text: the item of that text is chosen, as a click on it would.
    if (sendWithin(context, control, LB_SELECTSTRING, static_cast<WPARAM>(-1), textParameter) ==
        LB_ERR) {
      throw StepFailure("the list has no item \"" + step.arguments[1] + "\"");
    }
    const auto id = static_cast<WORD>(GetDlgCtrlID(control));
    sendWithin(context, GetParent(control), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(control));
    return;
  }
  sendWithin(context, control, WM_SETTEXT, 0, textParameter);
  if (comboBox) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(control));
    sendWithin(context, GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
               reinterpret_cast<LPARAM>(control));
  }
}

void pressButtonStep(const ScenarioStep& step, ScenarioContext& context) {
  HWND button = findButton(currentWindow(context), wide(step.arguments[0]));
  if (button == nullptr) {
    throw StepFailure("the window has no button \"" + step.arguments[0] + "\"");
  }
  click(button);
}

void closeStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  PostMessageW(currentWindow(context), WM_CLOSE, 0, 0);
}

void answerMessageStep(const ScenarioStep& step, ScenarioContext& context) {
  HWND box = waitForWindow(&findMessageBox, context.ide.timeout());
  if (box == nullptr) {
    throw StepFailure("no message box appeared within " + std::to_string(context.ide.timeout()) +
                      " ms");
  }
  const std::wstring message = staticTexts(box);
  logLine("message box \"" + utf8Of(windowText(box)) + "\": " + utf8Of(message));
  if (step.arguments.size() == 2 && message.find(wide(step.arguments[1])) == std::wstring::npos) {
    throw StepFailure("the message box says \"" + utf8Of(message) + "\", not \"" +
                      step.arguments[1] + "\"");
  }
  HWND button = findButton(box, wide(step.arguments[0]));
  if (button == nullptr) {
    throw StepFailure("the message box has no button \"" + step.arguments[0] + "\"");
  }
  click(button);
  // The next step must not find this box again.
  if (!waitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); },
                 context.ide.timeout())) {
    throw StepFailure("the message box stayed open");
  }
}

} // namespace velmora::sim::vbide
