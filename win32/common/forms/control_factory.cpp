#include "forms/control_factory.hpp"

#include "forms/button_window.hpp"
#include "forms/check_box_window.hpp"
#include "forms/combo_box_window.hpp"
#include "forms/form_timer.hpp"
#include "forms/frame_window.hpp"
#include "forms/label_window.hpp"
#include "forms/list_box_window.hpp"
#include "forms/list_view_window.hpp"
#include "forms/picture_box_window.hpp"
#include "forms/text_box_window.hpp"

namespace velmora::win32 {

std::unique_ptr<FormControl> createControl(const ControlSpec& spec, const RECT& place, int id,
                                           const ControlContext& context) {
  switch (spec.kind) {
  case ControlKind::Label:
    return LabelWindow::create(spec, place, id, context);
  case ControlKind::Button:
    return ButtonWindow::create(spec, place, id, context);
  case ControlKind::CheckBox:
    return CheckBoxWindow::create(spec, place, id, context);
  case ControlKind::TextBox:
    return TextBoxWindow::create(spec, place, id, context);
  case ControlKind::ListBox:
    return ListBoxWindow::create(spec, place, id, context);
  case ControlKind::ComboBox:
    return ComboBoxWindow::create(spec, place, id, context);
  case ControlKind::ListView:
    return ListViewWindow::create(spec, place, id, context);
  case ControlKind::PictureBox:
    return PictureBoxWindow::create(spec, place, id, context);
  case ControlKind::Frame:
    return FrameWindow::create(spec, place, id, context);
  case ControlKind::Timer:
    break;
  }
  return FormTimer::create(spec, id, context.form);
}

} // namespace velmora::win32
