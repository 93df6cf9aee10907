#pragma once

#include "forms/window_class.hpp"
#include "sim/vbide/app/activation_log.hpp"
#include "sim/vbide/app/code_view.hpp"
#include "sim/vbide/app/ide_loop.hpp"
#include "sim/vbide/app/toolbar_strip.hpp"
#include "sim/vbide/objects/control_click.hpp"
#include "sim/vbide/objects/vbe_world.hpp"

#include <functional>
#include <memory>
#include <windows.h>

namespace velmora::sim::vbide {

// The IDE's main window: the add-ins' toolbars on top, the active code window below. Requests
// for the IDE's thread arrive here (see IdeLoop); a toolbar press becomes a click request, so
// the click runs with the IDE idle; closing the window asks the IDE to quit the same way.
class IdeWindow {
public:
  // Sent by another thread to bring the IDE to the front on its own thread.
  static constexpr UINT kActivateMessage = WM_APP + 0x41;
  // Sent by another thread: every visible window of the IDE's thread paints itself now (the
  // dialogs' too, as it is answered inside their loops).
  static constexpr UINT kRedrawMessage = WM_APP + 0x44;

  IdeWindow(IdeLoop& loop, std::shared_ptr<VbeWorld> world);
  ~IdeWindow();
  IdeWindow(const IdeWindow&) = delete;
  IdeWindow& operator=(const IdeWindow&) = delete;

  HWND handle() const { return window_; }
  ActivationLog& activations() { return activations_; }
  ToolbarStrip& toolbar() { return *toolbar_; }

  // What a press on a toolbar button does (runs as a request of the IDE's thread).
  using ClickHandler = std::function<ClickOutcome(const std::shared_ptr<CommandBarControlModel>&)>;
  void onClick(ClickHandler handler) { clickHandler_ = std::move(handler); }
  // Runs the click handler for `control` (on the IDE's thread, with the IDE idle).
  ClickOutcome click(const std::shared_ptr<CommandBarControlModel>& control) {
    return clickHandler_ ? clickHandler_(control) : ClickOutcome{};
  }
  // What closing the window does (runs as a request); the default destroys the window.
  void onQuit(std::function<void()> handler) { quitHandler_ = std::move(handler); }
  // What the end of the Windows session does (WM_ENDSESSION): it runs at once, also inside a
  // dialog of an add-in, as the system sends the message whatever the IDE is doing.
  void onEndSession(std::function<void()> handler) { endSessionHandler_ = std::move(handler); }

  // Shows the window and makes it the foreground window.
  void show();
  // Draws what changed: the toolbars, the code window, the caption.
  void refresh();
  void setProjectName(const std::u16string& name);

private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void layout();
  void post(std::function<std::string()> work);

  IdeLoop& loop_;
  std::shared_ptr<VbeWorld> world_;
  win32::WindowClass class_;
  HWND window_ = nullptr;
  std::unique_ptr<ToolbarStrip> toolbar_;
  std::unique_ptr<CodeView> code_;
  ActivationLog activations_;
  ClickHandler clickHandler_;
  std::function<void()> quitHandler_;
  std::function<void()> endSessionHandler_;
  int toolbarHeight_ = -1;
};

} // namespace velmora::sim::vbide
