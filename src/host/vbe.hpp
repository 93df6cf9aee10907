#pragma once

#include "host/code_pane.hpp"
#include "host/command_bar_events.hpp"
#include "host/command_bars.hpp"
#include "host/vb_project.hpp"

#include <memory>

namespace velmora {

// The IDE's extensibility root.
class Vbe {
public:
  virtual ~Vbe() = default;

  // The code pane with the focus; null when there is none.
  virtual std::shared_ptr<CodePane> activeCodePane() = 0;
  virtual std::shared_ptr<VbProject> activeVBProject() = 0;
  virtual std::shared_ptr<CommandBars> commandBars() = 0;
  virtual std::shared_ptr<Events> events() = 0;
};

} // namespace velmora
