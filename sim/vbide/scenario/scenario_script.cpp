#include "sim/vbide/scenario/scenario_script.hpp"

namespace velmora::sim::vbide {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Splits one line into words; false for a line with only a comment or nothing.
std::vector<std::string> words(std::string_view line, int number) {
  std::vector<std::string> found;
  std::size_t at = 0;
  while (at < line.size()) {
    if (isBlank(line[at])) {
      ++at;
      continue;
    }
    if (line[at] == '#') {
      break;
    }
    std::string word;
    if (line[at] != '"') {
      while (at < line.size() && !isBlank(line[at])) {
        word += line[at++];
      }
      found.push_back(std::move(word));
      continue;
    }
    ++at;
    bool closed = false;
    while (at < line.size()) {
      const char c = line[at++];
      if (c == '"') {
        closed = true;
        break;
      }
      if (c != '\\') {
        word += c;
        continue;
      }
      if (at >= line.size()) {
        break;
      }
      switch (const char escaped = line[at++]) {
      case 't':
        word += '\t';
        break;
      case 'n':
        word += '\n';
        break;
      case 'r':
        word += '\r';
        break;
      case '"':
      case '\\':
        word += escaped;
        break;
      default:
        throw ScenarioSyntaxError(number, std::string("unknown escape \\") + escaped);
      }
    }
    if (!closed) {
      throw ScenarioSyntaxError(number, "unterminated quote");
    }
    if (at < line.size() && !isBlank(line[at])) {
      throw ScenarioSyntaxError(number, "a quoted word must end at a blank");
    }
    found.push_back(std::move(word));
  }
  return found;
}

} // namespace

ScenarioSyntaxError::ScenarioSyntaxError(int line, std::string message)
    : line_(line), message_("line " + std::to_string(line) + ": " + std::move(message)) {}

std::vector<ScenarioStep> parseScenario(std::string_view text) {
  // A byte order mark at the start of the file is not part of the first command.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") {
    text.remove_prefix(3);
  }
  std::vector<ScenarioStep> steps;
  int number = 0;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    std::vector<std::string> found = words(line, number);
    if (found.empty()) {
      continue;
    }
    ScenarioStep step;
    step.line = number;
    const auto first = line.find_first_not_of(" \t");
    step.text = std::string(line.substr(first));
    step.command = std::move(found.front());
    step.arguments.assign(std::make_move_iterator(found.begin() + 1),
                          std::make_move_iterator(found.end()));
    steps.push_back(std::move(step));
  }
  return steps;
}

} // namespace velmora::sim::vbide
