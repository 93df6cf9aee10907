#pragma once

#include <string>

namespace velmora {

// A button of a command bar.
class CommandBarControl {
public:
  virtual ~CommandBarControl() = default;

  virtual void setCaption(const std::u16string& caption) = 0;
  virtual std::u16string caption() = 0;
  virtual void setBeginGroup(bool beginGroup) = 0;
  virtual void setTooltipText(const std::u16string& text) = 0;
  virtual std::u16string tooltipText() = 0;
  // The face becomes the picture on the system clipboard.
  virtual void pasteFace() = 0;
  virtual void deleteControl() = 0;
};

} // namespace velmora
