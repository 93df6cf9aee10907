#include "sim/vbide/app/console_log.hpp"
#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/app/project_session.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"
#include "support/utf.hpp"

#include <charconv>
#include <cstdio>
#include <filesystem>

// The steps on the project and its code: open, caret, dump, expect-line.
namespace velmora::sim::vbide {

namespace {

std::int32_t numberArgument(const std::string& text, const char* what) {
  std::int32_t value = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
  if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) {
    throw StepFailure(std::string(what) + " \"" + text + "\" is not a number");
  }
  return value;
}

// A line as the log shows it: tabs and line breaks visible.
std::string visible(const std::u16string& line) {
  std::string shown;
  for (const char c : toUtf8(line)) {
    switch (c) {
    case '\t':
      shown += "\\t";
      break;
    case '\r':
      shown += "\\r";
      break;
    case '\n':
      shown += "\\n";
      break;
    default:
      shown += c;
    }
  }
  return shown;
}

} // namespace

void openStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::string& name = step.arguments[0];
  const std::filesystem::path path(
      std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size()));
  ProjectSession* project = context.project;
  IdeWindow* window = context.window;
  context.ide.call([project, window, path] {
    project->open(path);
    window->setProjectName(project->name());
    return std::string();
  });
}

void caretStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string component = fromUtf8(step.arguments[0]);
  ProjectSession* project = context.project;
  if (step.arguments.size() == 3) {
    const std::int32_t line = numberArgument(step.arguments[1], "the line");
    const std::int32_t column = numberArgument(step.arguments[2], "the column");
    context.ide.call([project, component, line, column] {
      project->show(component)->setCaret(line, column);
      return std::string();
    });
    return;
  }
  const std::u16string word = fromUtf8(step.arguments[1]);
  const std::string placed = context.ide.call([project, component, word] {
    const auto place = firstUse(*project->module(component), word);
    if (!place) {
      throw StepFailure("\"" + toUtf8(word) + "\" is not used in " + toUtf8(component));
    }
    // Inside the word, after its first character.
    project->show(component)->setCaret(place->line, place->column + 1);
    return std::to_string(place->line) + " " + std::to_string(place->column + 1);
  });
  logLine("caret " + toUtf8(component) + " " + placed);
}

void dumpStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string component = fromUtf8(step.arguments[0]);
  ProjectSession* project = context.project;
  const std::string dump = context.ide.call([project, component] {
    const auto& lines = project->module(component)->lineTexts();
    std::string text = "--- " + toUtf8(component) + " (" + std::to_string(lines.size()) + " lines)";
    for (std::size_t i = 0; i < lines.size(); ++i) {
      char number[16];
      std::snprintf(number, sizeof number, "\n%4zu  ", i + 1);
      text += number;
      text += toUtf8(lines[i]);
    }
    return text;
  });
  logLine(dump);
}

void expectLineStep(const ScenarioStep& step, ScenarioContext& context) {
  const std::u16string component = fromUtf8(step.arguments[0]);
  const std::int32_t line = numberArgument(step.arguments[1], "the line");
  const std::u16string expected = fromUtf8(step.arguments[2]);
  ProjectSession* project = context.project;
  context.ide.call([project, component, line, expected] {
    const auto& lines = project->module(component)->lineTexts();
    if (line < 1 || line > static_cast<std::int32_t>(lines.size())) {
      throw StepFailure(toUtf8(component) + " has " + std::to_string(lines.size()) +
                        " lines, no line " + std::to_string(line));
    }
    const std::u16string& actual = lines[static_cast<std::size_t>(line - 1)];
    if (actual != expected) {
      throw StepFailure("line " + std::to_string(line) + " of " + toUtf8(component) + " is \"" +
                        visible(actual) + "\", not \"" + visible(expected) + "\"");
    }
    return std::string();
  });
}

} // namespace velmora::sim::vbide
