#include "engine/dim_insert_line.hpp"

#include "engine/line_shape.hpp"

namespace velmora {

std::int32_t FindDimInsertLine(CodeModule& module, const std::u16string& name, ProcKind kind) {
  // The host knows a property procedure only by its own kind (Get, Let or Set).
  std::int32_t header = module.procBodyLine(name, kind);
  while (isContinuedLine(module.lines(header, 1))) {
    ++header;
  }
  std::int32_t line = header + 1;
  bool passedContinued = false;
  for (;;) {
    const std::u16string text = module.lines(line, 1);
    const bool continued = isContinuedLine(text);
    if (!continued && !isCommentLine(text)) {
      break;
    }
    passedContinued = passedContinued || continued;
    ++line;
  }
  return passedContinued ? line + 1 : line;
}

} // namespace velmora
