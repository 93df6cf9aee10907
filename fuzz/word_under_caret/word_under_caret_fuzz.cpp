#include "engine/declarable_name.hpp"
#include "engine/declare_command.hpp"
#include "engine/declare_context.hpp"
#include "engine/word_at_column.hpp"
#include "engine/word_under_caret.hpp"
#include "fuzz_input.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_code_pane.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vbe.hpp"

#include <cstdint>
#include <memory>
#include <string>

// The word under the caret: the name a declaration takes from a line of code and a column, and
// the first step of the command over a whole module. Input: a byte of flags (bit 0: the text is
// UTF-16LE units, else UTF-8), the caret's line (a byte) and column (two bytes, signed), then
// the module's text.
namespace velmora::fuzz {
namespace {

class NoPump final : public EventPump {
public:
  void doEvents() override {}
  void sleep(std::uint32_t /*milliseconds*/) override {}
};

// The word touches the caret and is the line's text at the columns given, without delimiters.
void checkWordAt(const WordDelimiters& delimiters, std::u16string_view line, std::int32_t column) {
  const WordAtColumn found = GetWordAtColumn(delimiters, line, column);
  if (found.word.empty()) {
    return;
  }
  const std::int64_t start = found.startColumn;
  const std::int64_t end = start + found.length; // the column after the word
  require(found.length == static_cast<std::int32_t>(found.word.size()), "a word's length is off");
  require(start >= 1 && end - 1 <= static_cast<std::int64_t>(line.size()),
          "a word lies outside its line");
  require(line.substr(static_cast<std::size_t>(start - 1), found.word.size()) == found.word,
          "a word is not the line's text at its columns");
  require(start <= column && column <= end, "a word does not touch the caret");
  require(found.word.find_first_of(delimiters.characters + u"#") == std::u16string::npos,
          "a word holds a delimiter");
}

} // namespace

void checkInput(FuzzInput& input) {
  const std::uint8_t flags = input.byte();
  const std::uint8_t lineChoice = input.byte();
  const std::uint8_t high = input.byte();
  const auto column = static_cast<std::int16_t>(high << 8 | input.byte());
  const std::string_view rest = input.rest();
  const std::u16string text = textOf((flags & 1) != 0, rest);

  WordDelimiters delimiters;
  BuildWordDelimiters(delimiters);
  auto module = sim::MemoryCodeModule::fromText(text);
  const std::int32_t lines = module->countOfLines();
  const std::int32_t line = 1 + lineChoice % std::max(lines, 1);
  const std::u16string lineText = lines == 0 ? std::u16string() : module->lines(line, 1);
  checkWordAt(delimiters, lineText, column);

  sim::MemoryVbe vbe;
  vbe.project().components().add(std::make_shared<sim::MemoryVbComponent>(u"Fuzz", 1, module));
  const auto pane = vbe.showPane(u"Fuzz");
  pane->setCaret(line, column);
  const std::int32_t caret = pane->getSelection().startColumn;
  sim::ScriptedToolkit forms;
  NoPump pump;
  EngineState state;
  state.Delimiters = delimiters;
  const Prefixes prefixes;
  Options options; // a name of no prefix: the Variant question, answered Yes; no comment
  DeclareContext context{&vbe, prefixes, options, state, forms, pump};

  const std::optional<WordUnderCaret> taken = takeWordUnderCaret(context);
  if (!taken) {
    require(forms.messages().size() == 1 && forms.messages()[0].text == kNotOnVariable,
            "a refused word was not reported");
    return;
  }
  require(forms.messages().empty(), "a word was taken with a message");
  require(taken->line == line, "the word came from another line");
  require(taken->word == GetWordAtColumn(delimiters, lineText, caret).word,
          "the word is not the one at the caret");
  require(isDeclarableName(taken->word), "the word cannot be declared");

  // Declared, it is one line of code at module level.
  DoDeclare(context, u"Private");
  require(module->countOfLines() == lines + 1, "a declaration was not one line");
  bool found = false;
  for (const std::u16string& code : module->lineTexts()) {
    found = found || code == u"Private " + taken->word;
  }
  require(found, "the declaration is not the word's");
}

} // namespace velmora::fuzz
