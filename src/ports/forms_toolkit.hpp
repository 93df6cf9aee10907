#pragma once

#include "ports/form.hpp"
#include "ports/form_layout.hpp"
#include "ports/message_box.hpp"

#include <memory>

namespace velmora {

// Builds forms from their layout, and shows message boxes.
class FormsToolkit : public MessageBoxes {
public:
  // Loads the form: its window is created hidden with every control of the layout.
  virtual std::unique_ptr<Form> load(const FormSpec& spec) = 0;
};

} // namespace velmora
