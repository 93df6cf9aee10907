#include "fuzz_input.hpp"
#include "sim/vbide/scenario/key_chord.hpp"
#include "sim/vbide/scenario/scenario_script.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The scenario files of the simulated IDE: commands and their words, and the key combinations
// they name. Input: the file's text.
namespace velmora::fuzz {
namespace {

using sim::vbide::KeyChord;
namespace vk = sim::vbide::vk;

std::string lower(std::string text) {
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::uint16_t modifierNamed(const std::string& name) {
  if (name == "ctrl" || name == "control") {
    return vk::kControl;
  }
  return name == "shift" ? vk::kShift : name == "alt" ? vk::kMenu : name == "win" ? vk::kLWin : 0;
}

// The function key a name spells ("F7", "f007"), read as a number of any length.
int functionKey(const std::string& name) {
  if (name.size() < 2 || name[0] != 'f' ||
      name.find_first_not_of("0123456789", 1) != std::string::npos) {
    return 0;
  }
  int number = 0;
  for (const char digit : name.substr(1)) {
    number = std::min(number * 10 + (digit - '0'), 100);
  }
  return number <= 24 ? number : 0;
}

// An accepted chord is what its text names, part by part.
void checkChord(const std::string& text) {
  KeyChord chord;
  if (!KeyChord::parse(text, chord)) {
    return;
  }
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t plus = text.find('+'); plus != std::string::npos; plus = text.find('+', start)) {
    parts.push_back(lower(text.substr(start, plus - start)));
    start = plus + 1;
  }
  const std::string key = lower(text.substr(start));
  require(parts.size() == chord.modifiers.size(), "a chord has another number of modifiers");
  for (std::size_t i = 0; i < parts.size(); ++i) {
    require(modifierNamed(parts[i]) == chord.modifiers[i], "a modifier is not the one named");
  }
  if (const int number = functionKey(key); number != 0) {
    require(chord.key == vk::kF1 + number - 1, "a function key is not the one named");
  } else if (key.size() == 1) {
    require(std::isalnum(static_cast<unsigned char>(key[0])) &&
                chord.key == std::toupper(static_cast<unsigned char>(key[0])),
            "a letter or digit key is not the one named");
  } else {
    require(chord.key < vk::kF1 || chord.key > vk::kF1 + 23,
            "a name that is no function key gave one");
  }
}

} // namespace

void checkInput(FuzzInput& input) {
  std::vector<sim::vbide::ScenarioStep> steps;
  try {
    steps = sim::vbide::parseScenario(input.rest());
  } catch (const sim::vbide::ScenarioSyntaxError& error) {
    require(error.line() >= 1, "a syntax error names no line");
    return;
  }
  int line = 0;
  for (const auto& step : steps) {
    require(step.line > line, "steps are not in line order");
    line = step.line;
    checkChord(step.command);
    for (const std::string& argument : step.arguments) {
      checkChord(argument);
    }
  }
}

} // namespace velmora::fuzz
