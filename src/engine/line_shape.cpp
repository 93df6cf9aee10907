#include "engine/line_shape.hpp"

#include "support/text.hpp"

namespace velmora {

bool isCommentLine(std::u16string_view line) {
  const auto text = trimSpaces(line);
  return !text.empty() && text.front() == u'\'';
}

bool isContinuedLine(std::u16string_view line) {
  const auto text = trimSpaces(line);
  return !text.empty() && text.back() == u'_';
}

} // namespace velmora
