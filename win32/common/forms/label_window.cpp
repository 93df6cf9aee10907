#include "forms/label_window.hpp"

#include "forms/wide_text.hpp"

namespace velmora::win32 {

std::unique_ptr<LabelWindow> LabelWindow::create(const ControlSpec& spec, const RECT& place, int id,
                                                 const ControlContext& context) {
  HWND window = createChildWindow(spec, {L"STATIC", SS_LEFT}, place, id, context);
  return std::make_unique<LabelWindow>(window, *context.focus);
}

std::u16string LabelWindow::caption() const {
  return windowText(window());
}

void LabelWindow::setCaption(const std::u16string& caption) {
  SetWindowTextW(window(), wide(caption).c_str());
}

} // namespace velmora::win32
