#include "sim/vbide/scenario/key_chord.hpp"

#include <array>
#include <cctype>
#include <string_view>

namespace velmora::sim::vbide {

namespace {

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

WORD modifierKey(std::string_view name) {
  if (sameName(name, "Ctrl") || sameName(name, "Control")) {
    return VK_CONTROL;
  }
  if (sameName(name, "Shift")) {
    return VK_SHIFT;
  }
  if (sameName(name, "Alt")) {
    return VK_MENU;
  }
  if (sameName(name, "Win")) {
    return VK_LWIN;
  }
  return 0;
}

WORD namedKey(std::string_view name) {
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
    return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int number = 0;
    for (const char c : name.substr(1)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) {
        number = 0;
        break;
      }
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 24) {
      return static_cast<WORD>(VK_F1 + number - 1);
    }
  }
  struct Named {
    const char* name;
    WORD key;
  };
  static constexpr std::array<Named, 17> keys = {{
      {"Enter", VK_RETURN},
      {"Return", VK_RETURN},
      {"Esc", VK_ESCAPE},
      {"Escape", VK_ESCAPE},
      {"Tab", VK_TAB},
      {"Space", VK_SPACE},
      {"Backspace", VK_BACK},
      {"Insert", VK_INSERT},
      {"Delete", VK_DELETE},
      {"Home", VK_HOME},
      {"End", VK_END},
      {"PageUp", VK_PRIOR},
      {"PageDown", VK_NEXT},
      {"Up", VK_UP},
      {"Down", VK_DOWN},
      {"Left", VK_LEFT},
      {"Right", VK_RIGHT},
  }};
  for (const Named& each : keys) {
    if (sameName(name, each.name)) {
      return each.key;
    }
  }
  return 0;
}

INPUT keyInput(WORD key, bool release, ULONG_PTR marker) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  input.ki.dwExtraInfo = marker;
  return input;
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
      const WORD modifier = modifierKey(part);
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

bool sendChord(const KeyChord& chord, ULONG_PTR marker) {
  std::vector<INPUT> inputs;
  for (const WORD modifier : chord.modifiers) {
    inputs.push_back(keyInput(modifier, false, marker));
  }
  inputs.push_back(keyInput(chord.key, false, marker));
  inputs.push_back(keyInput(chord.key, true, marker));
  for (auto it = chord.modifiers.rbegin(); it != chord.modifiers.rend(); ++it) {
    inputs.push_back(keyInput(*it, true, marker));
  }
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

} // namespace velmora::sim::vbide
