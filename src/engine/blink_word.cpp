#include "engine/blink_word.hpp"

#include "engine/word_at_column.hpp"

namespace velmora {

namespace {

constexpr int kBlinkCycles = 3;
constexpr std::uint32_t kBlinkMilliseconds = 100;

} // namespace

void BlinkWord(DeclareContext& context) {
  if (!Options::isOn(context.options.intTenmetsu) || context.objVBE == nullptr) {
    return;
  }
  Vbe& vbe = *context.objVBE;
  auto pane = vbe.activeCodePane();
  if (!pane) {
    return;
  }
  const Selection caret = pane->getSelection();
  const std::int32_t line = caret.startLine;
  const std::int32_t column = caret.startColumn;
  const std::u16string text = pane->codeModule()->lines(line, 1);
  const WordAtColumn found = GetWordAtColumn(context.state.Delimiters, text, column);
  if (found.word.empty()) {
    return; // nothing to show: leave the selection alone
  }
  const std::int32_t start = found.startColumn;
  const std::int32_t end = found.startColumn + found.length;
  // The pane is asked for afresh before every selection: the user may close it meanwhile,
  // which ends the blink.
  const auto select = [&](std::int32_t from, std::int32_t to) {
    auto current = vbe.activeCodePane();
    if (!current) {
      return false;
    }
    current->setSelection(Selection{line, from, line, to});
    return true;
  };
  for (int cycle = 0; cycle < kBlinkCycles; ++cycle) {
    if (!select(start, end)) {
      return;
    }
    context.pump.doEvents();
    context.pump.sleep(kBlinkMilliseconds);
    if (!select(end, end)) {
      return;
    }
    context.pump.doEvents();
    context.pump.sleep(kBlinkMilliseconds);
  }
  if (select(column, column)) {
    context.pump.doEvents();
  }
}

} // namespace velmora
