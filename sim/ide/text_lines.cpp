#include "sim/ide/text_lines.hpp"

namespace velmora::sim {

std::vector<std::u16string> splitLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t begin = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      lines.emplace_back(text.substr(begin, i - begin));
      i += (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
      begin = i;
    } else {
      ++i;
    }
  }
  lines.emplace_back(text.substr(begin));
  return lines;
}

std::u16string joinLines(const std::vector<std::u16string>& lines, std::size_t first,
                         std::size_t count) {
  std::u16string joined;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i > first) {
      joined += u"\r\n";
    }
    joined += lines[i];
  }
  return joined;
}

} // namespace velmora::sim
