#include "engine/logical_line.hpp"

#include "engine/line_shape.hpp"

#include <algorithm>

namespace velmora {

std::vector<std::u16string> logicalLineEndingAt(CodeModule& module, std::int32_t line,
                                                std::u16string lineText) {
  std::vector<std::u16string> lines{std::move(lineText)};
  for (std::int32_t above = line - 1; above >= 1; --above) {
    std::u16string text = module.lines(above, 1);
    if (!isContinuedLine(text)) {
      break;
    }
    lines.push_back(std::move(text));
  }
  std::reverse(lines.begin(), lines.end());
  return lines;
}

} // namespace velmora
