#pragma once

#include "host/code_module.hpp"

#include <cstdint>
#include <memory>

namespace velmora {

// A selection in a code pane; a caret is an empty selection. Column k stands before character k.
struct Selection {
  std::int32_t startLine = 1;
  std::int32_t startColumn = 1;
  std::int32_t endLine = 1;
  std::int32_t endColumn = 1;

  friend bool operator==(const Selection&, const Selection&) = default;
};

class CodePane {
public:
  virtual ~CodePane() = default;

  virtual Selection getSelection() = 0;
  // Selects from startColumn up to, not including, endColumn.
  virtual void setSelection(const Selection& selection) = 0;
  virtual std::shared_ptr<CodeModule> codeModule() = 0;
};

} // namespace velmora
