#pragma once

#include <functional>
#include <optional>
#include <string>
#include <windows.h>

// The probe add-in's own windows: a modal input dialog and the hidden window that owns its
// hotkey.
namespace velmora::probe {

// Shows the dialog "入力" (a text box, OK as the default button, キャンセル as the cancel
// button) modally, in a loop of its own; the text on OK, nothing on cancel or the close box.
std::optional<std::wstring> askText();

// A hidden top-level window holding the hotkey Ctrl+Shift+F11 while the IDE is the active
// application: WM_ACTIVATEAPP unregisters it on deactivation and registers it again on
// activation. `pressed` runs for each WM_HOTKEY.
class HotkeyWindow {
public:
  explicit HotkeyWindow(std::function<void()> pressed);
  ~HotkeyWindow();
  HotkeyWindow(const HotkeyWindow&) = delete;
  HotkeyWindow& operator=(const HotkeyWindow&) = delete;

private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::function<void()> pressed_;
};

} // namespace velmora::probe
