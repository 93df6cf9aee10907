#pragma once

#include "common/message_texts.hpp"
#include "engine/declare_command.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_code_pane.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vb_project.hpp"
#include "sim/ide/memory_vbe.hpp"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// Records the thread's message processing instead of waiting; a test may look at the world
// at each pump.
class RecordingPump final : public EventPump {
public:
  void doEvents() override {
    if (onPump) {
      onPump();
    }
  }
  void sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }

  std::vector<std::uint32_t> sleeps;
  std::function<void()> onPump;
};

// An in-memory IDE with a project, the scripted user and a declaration context over them.
class EngineTest : public ::testing::Test {
protected:
  EngineTest() : vbe_(std::make_shared<sim::MemoryVbProject>()) {
    BuildWordDelimiters(state_.Delimiters);
    options_.intNon = 1;
  }

  std::shared_ptr<sim::MemoryCodeModule> addModule(const std::u16string& name, std::int32_t type,
                                                   std::u16string_view code) {
    auto module = sim::MemoryCodeModule::fromText(code);
    vbe_.project().components().add(std::make_shared<sim::MemoryVbComponent>(name, type, module));
    return module;
  }
  // Opens the module's code window and puts the caret at line, column.
  std::shared_ptr<sim::MemoryCodePane> caret(const std::u16string& module, std::int32_t line,
                                             std::int32_t column) {
    auto pane = vbe_.showPane(module);
    pane->setCaret(line, column);
    return pane;
  }
  void setPrefixes(std::vector<PrefixEntry> entries) { prefixes_ = Prefixes(std::move(entries)); }
  void declare(std::u16string_view kind) { DoDeclare(context_, kind); }
  // Line n of the module under test, and the current number of its line that starts with `text`.
  std::u16string line(std::int32_t n) const {
    return module_->lineTexts().at(static_cast<std::size_t>(n - 1));
  }
  std::int32_t lineOf(std::u16string_view text) const {
    const auto& lines = module_->lineTexts();
    const auto at = std::ranges::find_if(lines, [&](const auto& l) { return l.starts_with(text); });
    return at == lines.end() ? 0 : static_cast<std::int32_t>(at - lines.begin() + 1);
  }
  std::vector<std::u16string> messageTexts() const { return testing::messageTexts(forms_); }

  sim::MemoryVbe vbe_;
  std::shared_ptr<sim::MemoryCodeModule> module_; // the module under test, where a test has one
  sim::ScriptedToolkit forms_;
  RecordingPump pump_;
  EngineState state_;
  Prefixes prefixes_;
  Options options_;
  DeclareContext context_{&vbe_, prefixes_, options_, state_, forms_, pump_};
};

} // namespace velmora::testing
