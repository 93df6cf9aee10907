#include "engine/line_shape.hpp"

#include "support/text.hpp"

namespace velmora {

namespace {

bool isBlankOrTab(char16_t c) {
  return c == u' ' || c == kTab;
}

} // namespace

bool isCommentLine(std::u16string_view line) {
  const auto text = trimSpaces(line);
  return !text.empty() && text.front() == u'\'';
}

bool isContinuedLine(std::u16string_view line) {
  std::size_t end = line.size();
  while (end > 0 && isBlankOrTab(line[end - 1])) {
    --end;
  }
  if (end == 0 || line[end - 1] != u'_') {
    return false;
  }
  return end == 1 || isBlankOrTab(line[end - 2]);
}

} // namespace velmora
