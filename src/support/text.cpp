#include "support/text.hpp"

namespace velmora {

namespace {

template <typename View> View trimSpacesOf(View text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == ' ') {
    ++first;
  }
  while (last > first && text[last - 1] == ' ') {
    --last;
  }
  return text.substr(first, last - first);
}

} // namespace

std::u16string_view trimSpaces(std::u16string_view text) {
  return trimSpacesOf(text);
}
std::string_view trimSpaces(std::string_view text) {
  return trimSpacesOf(text);
}

bool isBlank(std::u16string_view text) {
  return trimSpaces(text).empty();
}

std::u16string decimal(long long value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

} // namespace velmora
