#include "settings/profile_syntax.hpp"

namespace velmora {

std::u16string_view trimProfileBlanks(std::u16string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isProfileBlank(text[first])) {
    ++first;
  }
  while (last > first && isProfileBlank(text[last - 1])) {
    --last;
  }
  return text.substr(first, last - first);
}

bool profileNamesEqual(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldProfileName(a[i]) != foldProfileName(b[i])) {
      return false;
    }
  }
  return true;
}

namespace {

// FNV-1a over the folded units.
constexpr std::uint32_t kHashStart = 2166136261U;
constexpr std::uint32_t hashStep(std::uint32_t hash, char16_t unit) {
  return (hash ^ foldProfileName(unit)) * 16777619U;
}

} // namespace

std::uint32_t hashProfileName(std::u16string_view name) {
  std::uint32_t hash = kHashStart;
  for (const char16_t c : name) {
    hash = hashStep(hash, c);
  }
  return hash;
}

std::uint32_t hashProfileName(std::string_view asciiName) {
  std::uint32_t hash = kHashStart;
  for (const char c : asciiName) {
    hash = hashStep(hash, static_cast<unsigned char>(c));
  }
  return hash;
}

std::u16string_view stripProfileQuotes(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

} // namespace velmora
