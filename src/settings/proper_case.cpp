#include "settings/proper_case.hpp"

namespace velmora {

namespace {

constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr char16_t kFullWidthUpperA = u'\uFF21';
constexpr char16_t kFullWidthUpperZ = u'\uFF3A';
constexpr char16_t kFullWidthLowerA = u'\uFF41';
constexpr char16_t kFullWidthLowerZ = u'\uFF5A';
constexpr char16_t kCaseDistance = u'a' - u'A';
constexpr char16_t kFullWidthCaseDistance = kFullWidthLowerA - kFullWidthUpperA;

bool separatesWords(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == kIdeographicSpace;
}

char16_t upper(char16_t c) {
  if (c >= u'a' && c <= u'z') {
    return static_cast<char16_t>(c - kCaseDistance);
  }
  if (c >= kFullWidthLowerA && c <= kFullWidthLowerZ) {
    return static_cast<char16_t>(c - kFullWidthCaseDistance);
  }
  return c;
}

char16_t lower(char16_t c) {
  if (c >= u'A' && c <= u'Z') {
    return static_cast<char16_t>(c + kCaseDistance);
  }
  if (c >= kFullWidthUpperA && c <= kFullWidthUpperZ) {
    return static_cast<char16_t>(c + kFullWidthCaseDistance);
  }
  return c;
}

} // namespace

std::u16string ProperCase(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size());
  bool wordStart = true;
  for (const char16_t c : text) {
    result.push_back(wordStart ? upper(c) : lower(c));
    wordStart = separatesWords(c);
  }
  return result;
}

} // namespace velmora
