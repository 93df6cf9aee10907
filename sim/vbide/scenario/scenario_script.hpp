#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim::vbide {

// One command of a scenario: its line in the file, the line as written, the command word and
// its arguments (quotes removed, escapes resolved), all UTF-8.
struct ScenarioStep {
  int line = 0;
  std::string text;
  std::string command;
  std::vector<std::string> arguments;
};

// A scenario file: one command a line; blank lines and lines whose first word starts with "#"
// are skipped, and "#" starting a word ends the line. A word is a run of characters without
// blanks, or a double-quoted string in which \t, \n, \r, \", \\ stand for a tab, a line feed, a
// carriage return, a quote and a backslash. A malformed line (an unterminated quote, an unknown
// escape) throws ScenarioSyntaxError naming it.
std::vector<ScenarioStep> parseScenario(std::string_view text);

class ScenarioSyntaxError : public std::exception {
public:
  ScenarioSyntaxError(int line, std::string message);
  const char* what() const noexcept override { return message_.c_str(); }
  int line() const noexcept { return line_; }

private:
  int line_;
  std::string message_;
};

} // namespace velmora::sim::vbide
