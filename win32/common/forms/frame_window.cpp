#include "forms/frame_window.hpp"

namespace velmora::win32 {

std::unique_ptr<FrameWindow> FrameWindow::create(const ControlSpec& spec, const RECT& place, int id,
                                                 const ControlContext& context) {
  HWND window =
      createChildWindow(spec, {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS}, place, id, context);
  return std::make_unique<FrameWindow>(window);
}

} // namespace velmora::win32
