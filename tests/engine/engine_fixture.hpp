#pragma once

#include "engine/declare_command.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "sim/ide/memory_code_module.hpp"
#include "sim/ide/memory_code_pane.hpp"
#include "sim/ide/memory_vb_component.hpp"
#include "sim/ide/memory_vb_project.hpp"
#include "sim/ide/memory_vbe.hpp"

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
    ++pumps;
    if (onPump) {
      onPump();
    }
  }
  void sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }

  int pumps = 0;
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
  void addPrefix(std::u16string prefix, std::u16string type) {
    std::vector<PrefixEntry> table = prefixes_.PrefixTable();
    table.push_back({std::move(prefix), std::move(type)});
    prefixes_ = Prefixes(std::move(table));
  }
  void declare(std::u16string_view kind) { DoDeclare(context_, kind); }
  std::vector<std::u16string> messageTexts() const {
    std::vector<std::u16string> texts;
    for (const auto& message : forms_.messages()) {
      texts.push_back(message.text);
    }
    return texts;
  }

  sim::MemoryVbe vbe_;
  sim::ScriptedToolkit forms_;
  RecordingPump pump_;
  EngineState state_;
  Prefixes prefixes_;
  Options options_;
  DeclareContext context_{&vbe_, prefixes_, options_, state_, forms_, pump_};
};

} // namespace velmora::testing
