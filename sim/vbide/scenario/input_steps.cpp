#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/scenario/key_input.hpp"
#include "sim/vbide/scenario/poll.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "sim/vbide/scenario/window_search.hpp"
#include "support/utf.hpp"

#include <algorithm>
#include <commctrl.h>
#include <optional>
#include <vector>

// The steps of the keyboard, the mouse and activation: key, enter, esc, type-keys, mouse-click,
// activate, deactivate, wait-hotkey, hold-hotkey, release-hotkey, expect-hotkey-free. Keys and
// clicks are real input (SendInput): system hotkeys fire, and a disabled window takes nothing,
// as when the user types and clicks.
namespace velmora::sim::vbide {

namespace {

DWORD foregroundThread() {
  HWND foreground = GetForegroundWindow();
  return foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
}

bool foregroundInProcess() {
  HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground != nullptr) {
    GetWindowThreadProcessId(foreground, &process);
  }
  return process == GetCurrentProcessId();
}

void bringIdeToFront(const ScenarioContext& context) {
  const int before = context.activations->activated;
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(context.ide.window(), IdeWindow::kActivateMessage, 0, 0, SMTO_NORMAL,
                          context.ide.timeout(), &result) == 0) {
    throw StepFailure("the IDE's thread did not answer");
  }
  if (!waitUntil([&] { return context.activations->activated > before; }, context.ide.timeout())) {
    throw StepFailure("the IDE did not become the active application");
  }
  // Every top-level window of the IDE has had its WM_ACTIVATEAPP by now.
  context.ide.flushSent();
  context.otherApplication->withdraw(context.ide.timeout());
}

// Types `chord` into the foreground window and returns once its last key was taken from the
// queue (a hotkey it fires has been posted before and taken by then).
void typeChord(const KeyChord& chord, const ScenarioContext& context) {
  if (!foregroundInProcess()) {
    bringIdeToFront(context);
  }
  context.keys->arm(chord.lastReleased());
  if (!sendChord(chord, KeyWatch::kMarker)) {
    throw StepFailure("the system did not take the key input");
  }
  if (!context.keys->wait(context.ide.timeout())) {
    throw StepFailure("the keys did not reach the IDE within " +
                      std::to_string(context.ide.timeout()) + " ms");
  }
}

INPUT keyboardInput(WORD key, WORD character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  input.ki.dwExtraInfo = KeyWatch::kMarker;
  return input;
}

// Sends `inputs` followed by a marked key that no window answers, and returns once that key's
// release was taken from a queue of the IDE's threads: the input before it (which the system
// hands out in order) has been taken or dropped by then.
void sendAndWait(std::vector<INPUT> inputs, const ScenarioContext& context) {
  constexpr WORD kMarkerKey = VK_F24;
  inputs.push_back(keyboardInput(kMarkerKey, 0, 0));
  inputs.push_back(keyboardInput(kMarkerKey, 0, KEYEVENTF_KEYUP));
  context.keys->arm(kMarkerKey);
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    throw StepFailure("the system did not take the input");
  }
  if (!context.keys->wait(context.ide.timeout())) {
    throw StepFailure("the input did not reach the IDE within " +
                      std::to_string(context.ide.timeout()) + " ms");
  }
}

// A point of `target` that no other window of this process covers, from the top of the Z order
// down; tooltips do not count.
std::optional<POINT> uncoveredPoint(HWND target) {
  RECT area{};
  GetWindowRect(target, &area);
  HWND root = GetAncestor(target, GA_ROOT);
  std::vector<RECT> above;
  for (HWND window : visibleTopLevelWindows()) {
    if (window == root) {
      break;
    }
    if (className(window) != TOOLTIPS_CLASSW) {
      RECT covered{};
      GetWindowRect(window, &covered);
      above.push_back(covered);
    }
  }
  constexpr int kSteps = 6;
  const LONG width = area.right - area.left;
  const LONG height = area.bottom - area.top;
  for (int row = 1; row < kSteps; ++row) {
    for (int column = 1; column < kSteps; ++column) {
      // The middle first, then outwards.
      const int y = (row + kSteps / 2 - 1) % (kSteps - 1) + 1;
      const int x = (column + kSteps / 2 - 1) % (kSteps - 1) + 1;
      const POINT point{area.left + width * x / kSteps, area.top + height * y / kSteps};
      const bool free = std::none_of(above.begin(), above.end(), [&](const RECT& covered) {
        return PtInRect(&covered, point);
      });
      if (free) {
        return point;
      }
    }
  }
  return std::nullopt;
}

KeyChord chordOf(const std::string& text) {
  KeyChord chord;
  if (!KeyChord::parse(text, chord)) {
    throw StepFailure("\"" + text + "\" is not a key combination");
  }
  return chord;
}

} // namespace

void keyStep(const ScenarioStep& step, ScenarioContext& context) {
  typeChord(chordOf(step.arguments[0]), context);
}

void enterStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  typeChord(chordOf("Enter"), context);
}

void escStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  typeChord(chordOf("Esc"), context);
}

void typeKeysStep(const ScenarioStep& step, ScenarioContext& context) {
  if (!foregroundInProcess()) {
    bringIdeToFront(context);
  }
  std::vector<INPUT> inputs;
  for (const char16_t character : fromUtf8(step.arguments[0])) {
    const WORD key = character == u'\n' ? VK_RETURN : character == u'\t' ? VK_TAB : 0;
    if (key != 0) {
      inputs.push_back(keyboardInput(key, 0, 0));
      inputs.push_back(keyboardInput(key, 0, KEYEVENTF_KEYUP));
    } else {
      inputs.push_back(keyboardInput(0, character, KEYEVENTF_UNICODE));
      inputs.push_back(keyboardInput(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
  }
  sendAndWait(std::move(inputs), context);
}

void mouseClickStep(const ScenarioStep& step, ScenarioContext& context) {
  HWND ide = context.ide.window();
  const std::string& name = step.arguments[0];
  const std::u16string caption = fromUtf8(name);
  HWND target = name == "code" ? findControl(ide, L"Edit")
                               : findButton(ide, std::wstring(caption.begin(), caption.end()));
  if (target == nullptr) {
    throw StepFailure("the IDE's window has no " +
                      (name == "code" ? std::string("code window") : "button \"" + name + "\""));
  }
  if (!foregroundInProcess()) {
    bringIdeToFront(context);
  }
  const std::optional<POINT> point = uncoveredPoint(target);
  if (!point) {
    throw StepFailure("other windows cover all of " + name);
  }
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = static_cast<LONG>(MulDiv(point->x, 65535, screenWidth - 1));
  move.mi.dy = static_cast<LONG>(MulDiv(point->y, 65535, screenHeight - 1));
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  move.mi.dwExtraInfo = KeyWatch::kMarker;
  INPUT down = move;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  down.mi.dx = down.mi.dy = 0;
  INPUT up = down;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  sendAndWait({move, down, up}, context);
}

void activateStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  if (foregroundThread() != context.ideThread) {
    bringIdeToFront(context);
  }
}

void deactivateStep(const ScenarioStep& /*step*/, ScenarioContext& context) {
  if (foregroundThread() != context.ideThread) {
    return;
  }
  const int before = context.activations->deactivated;
  if (!context.otherApplication->activate(context.ide.timeout())) {
    throw StepFailure("the other application did not answer");
  }
  if (!waitUntil([&] { return context.activations->deactivated > before; },
                 context.ide.timeout())) {
    throw StepFailure("the IDE stayed the active application");
  }
  context.ide.flushSent();
}

namespace {

UINT hotkeyModifiers(const KeyChord& chord) {
  UINT modifiers = MOD_NOREPEAT;
  for (const WORD modifier : chord.modifiers) {
    modifiers |= modifier == VK_CONTROL ? MOD_CONTROL
                 : modifier == VK_SHIFT ? MOD_SHIFT
                 : modifier == VK_MENU  ? MOD_ALT
                                        : MOD_WIN;
  }
  return modifiers;
}

// The identifier under which the scenario itself holds a combination, as another program would.
int heldHotkeyId(const KeyChord& chord) {
  return 0xBE00 + static_cast<int>(chord.key);
}

} // namespace

void holdHotkeyStep(const ScenarioStep& step, ScenarioContext& /*context*/) {
  const KeyChord chord = chordOf(step.arguments[0]);
  if (!RegisterHotKey(nullptr, heldHotkeyId(chord), hotkeyModifiers(chord), chord.key)) {
    throw StepFailure(step.arguments[0] + " is held already (error " +
                      std::to_string(GetLastError()) + ")");
  }
}

void releaseHotkeyStep(const ScenarioStep& step, ScenarioContext& /*context*/) {
  const KeyChord chord = chordOf(step.arguments[0]);
  if (!UnregisterHotKey(nullptr, heldHotkeyId(chord))) {
    throw StepFailure(step.arguments[0] + " is not held by the scenario");
  }
}

void expectHotkeyFreeStep(const ScenarioStep& step, ScenarioContext& /*context*/) {
  const KeyChord chord = chordOf(step.arguments[0]);
  constexpr int kProbe = 0xBF01;
  if (!RegisterHotKey(nullptr, kProbe, hotkeyModifiers(chord), chord.key)) {
    throw StepFailure(step.arguments[0] + " is held (error " + std::to_string(GetLastError()) +
                      ")");
  }
  UnregisterHotKey(nullptr, kProbe);
}

void waitHotkeyStep(const ScenarioStep& step, ScenarioContext& context) {
  const KeyChord chord = chordOf(step.arguments[0]);
  const UINT modifiers = hotkeyModifiers(chord);
  // Someone holds the combination once this thread cannot register it. The probe holds it for
  // an instant when it is free; an add-in registering it then fails once and tries again.
  constexpr int kProbe = 0xBF00;
  const bool held = waitUntil(
      [&] {
        if (RegisterHotKey(nullptr, kProbe, modifiers, chord.key)) {
          UnregisterHotKey(nullptr, kProbe);
          return false;
        }
        return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
      },
      context.ide.timeout());
  if (!held) {
    throw StepFailure("no one registered " + step.arguments[0] + " within " +
                      std::to_string(context.ide.timeout()) + " ms");
  }
}

} // namespace velmora::sim::vbide
