#include "sim/vbide/scenario/key_chord.hpp"

#include <array>
#include <cctype>
#include <string_view>

namespace velmora::sim::vbide {

namespace {

constexpr int kFunctionKeys = 24;

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::uint16_t modifierKey(std::string_view name) {
  if (sameName(name, "Ctrl") || sameName(name, "Control")) {
    return vk::kControl;
  }
  if (sameName(name, "Shift")) {
    return vk::kShift;
  }
  if (sameName(name, "Alt")) {
    return vk::kMenu;
  }
  if (sameName(name, "Win")) {
    return vk::kLWin;
  }
  return 0;
}

// The number of "F<number>", 0 unless it is 1 to 24. The digits are read only as far as the
// number can still be a function key's, so no count of digits makes it wrap round.
int functionKeyNumber(std::string_view name) {
  if (name.size() < 2 || (name[0] != 'F' && name[0] != 'f')) {
    return 0;
  }
  int number = 0;
  for (const char c : name.substr(1)) {
    if (!std::isdigit(static_cast<unsigned char>(c))) {
      return 0;
    }
    number = number * 10 + (c - '0');
    if (number > kFunctionKeys) {
      return 0;
    }
  }
  return number;
}

std::uint16_t namedKey(std::string_view name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return static_cast<std::uint16_t>(std::toupper(static_cast<unsigned char>(name[0])));
  }
  if (const int number = functionKeyNumber(name); number >= 1) {
    return static_cast<std::uint16_t>(vk::kF1 + number - 1);
  }
  struct Named {
    const char* name;
    std::uint16_t key;
  };
  static constexpr std::array<Named, 17> keys = {{
      {"Enter", vk::kReturn},
      {"Return", vk::kReturn},
      {"Esc", vk::kEscape},
      {"Escape", vk::kEscape},
      {"Tab", vk::kTab},
      {"Space", vk::kSpace},
      {"Backspace", vk::kBack},
      {"Insert", vk::kInsert},
      {"Delete", vk::kDelete},
      {"Home", vk::kHome},
      {"End", vk::kEnd},
      {"PageUp", vk::kPrior},
      {"PageDown", vk::kNext},
      {"Up", vk::kUp},
      {"Down", vk::kDown},
      {"Left", vk::kLeft},
      {"Right", vk::kRight},
  }};
  for (const Named& each : keys) {
    if (sameName(name, each.name)) {
      return each.key;
    }
  }
  return 0;
}

} // namespace

bool KeyChord::parse(const std::string& text, KeyChord& chord) {
  chord = KeyChord{};
  std::string_view rest = text;
  while (!rest.empty()) {
    const auto plus = rest.find('+');
    const std::string_view part = rest.substr(0, plus);
    rest = plus == std::string_view::npos ? std::string_view() : rest.substr(plus + 1);
    if (plus != std::string_view::npos && rest.empty()) {
      return false; // a trailing "+"
    }
    if (plus != std::string_view::npos) {
      const std::uint16_t modifier = modifierKey(part);
      if (modifier == 0) {
        return false;
      }
      chord.modifiers.push_back(modifier);
      continue;
    }
    chord.key = namedKey(part);
  }
  return chord.key != 0;
}

} // namespace velmora::sim::vbide
