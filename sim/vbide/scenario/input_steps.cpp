#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/scenario/key_chord.hpp"
#include "sim/vbide/scenario/poll.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"

// The steps of the keyboard and of activation: key, enter, esc, activate, deactivate,
// wait-hotkey. Keys are real input (SendInput), so system hotkeys fire as when the user types.
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
