#include "host/dispatch_command_bar.hpp"

#include "host/dispatch_command_bar_controls.hpp"

namespace velmora::win32 {

std::u16string DispatchCommandBar::nameLocal() {
  return object_.get(u"NameLocal").toText();
}

void DispatchCommandBar::setVisible(bool visible) {
  object_.put(u"Visible", OwnedVariant::boolean(visible));
}

std::shared_ptr<CommandBarControls> DispatchCommandBar::controls() {
  return std::make_shared<DispatchCommandBarControls>(
      DispatchObject(DispatchObject::required(object_.get(u"Controls")), object_.context(),
                     u"CommandBarControls"));
}

void DispatchCommandBar::deleteBar() {
  object_.run(u"Delete");
}

} // namespace velmora::win32
