#pragma once

// The in-memory IDE behind decorators that add up the time spent inside it, so that a
// declaration's time can be split into the IDE's part and the engine's own.

#include "bench_table.hpp"
#include "host/vbe.hpp"

#include <memory>
#include <string>

namespace velmora::bench {

// Time spent in calls of the IDE's objects.
struct IdeTime {
  Duration total{};

  template <typename Call> auto operator()(Call&& call) {
    const Clock::time_point start = Clock::now();
    struct AddOnExit {
      IdeTime& time;
      Clock::time_point start;
      ~AddOnExit() { time.total += Clock::now() - start; }
    } const add{*this, start};
    return call();
  }
};

class TimedCodeModule final : public CodeModule {
public:
  TimedCodeModule(std::shared_ptr<CodeModule> inner, IdeTime& time)
      : inner_(std::move(inner)), time_(time) {}

  std::u16string lines(std::int32_t startLine, std::int32_t count) override {
    return time_([&] { return inner_->lines(startLine, count); });
  }
  std::int32_t countOfLines() override {
    return time_([&] { return inner_->countOfLines(); });
  }
  std::int32_t countOfDeclarationLines() override {
    return time_([&] { return inner_->countOfDeclarationLines(); });
  }
  std::u16string procOfLine(std::int32_t line, ProcKind& kind) override {
    return time_([&] { return inner_->procOfLine(line, kind); });
  }
  std::int32_t procBodyLine(const std::u16string& name, ProcKind kind) override {
    return time_([&] { return inner_->procBodyLine(name, kind); });
  }
  void insertLines(std::int32_t line, const std::u16string& text) override {
    time_([&] { inner_->insertLines(line, text); });
  }
  void addFromString(const std::u16string& text) override {
    time_([&] { inner_->addFromString(text); });
  }

private:
  std::shared_ptr<CodeModule> inner_;
  IdeTime& time_;
};

class TimedCodePane final : public CodePane {
public:
  TimedCodePane(std::shared_ptr<CodePane> inner, IdeTime& time)
      : inner_(std::move(inner)), time_(time) {}

  Selection getSelection() override {
    return time_([&] { return inner_->getSelection(); });
  }
  void setSelection(const Selection& selection) override {
    time_([&] { inner_->setSelection(selection); });
  }
  std::shared_ptr<CodeModule> codeModule() override {
    return std::make_shared<TimedCodeModule>(time_([&] { return inner_->codeModule(); }), time_);
  }

private:
  std::shared_ptr<CodePane> inner_;
  IdeTime& time_;
};

class TimedVbComponent final : public VbComponent {
public:
  TimedVbComponent(std::shared_ptr<VbComponent> inner, IdeTime& time)
      : inner_(std::move(inner)), time_(time) {}

  std::int32_t type() override {
    return time_([&] { return inner_->type(); });
  }
  std::u16string name() override {
    return time_([&] { return inner_->name(); });
  }
  std::shared_ptr<CodeModule> codeModule() override {
    return std::make_shared<TimedCodeModule>(time_([&] { return inner_->codeModule(); }), time_);
  }

private:
  std::shared_ptr<VbComponent> inner_;
  IdeTime& time_;
};

class TimedVbComponents final : public VbComponents {
public:
  TimedVbComponents(std::shared_ptr<VbComponents> inner, IdeTime& time)
      : inner_(std::move(inner)), time_(time) {}

  std::int32_t count() override {
    return time_([&] { return inner_->count(); });
  }
  std::shared_ptr<VbComponent> item(std::int32_t index) override {
    return std::make_shared<TimedVbComponent>(time_([&] { return inner_->item(index); }), time_);
  }

private:
  std::shared_ptr<VbComponents> inner_;
  IdeTime& time_;
};

class TimedVbProject final : public VbProject {
public:
  TimedVbProject(std::shared_ptr<VbProject> inner, IdeTime& time)
      : inner_(std::move(inner)), time_(time) {}

  std::shared_ptr<VbComponents> vbComponents() override {
    return std::make_shared<TimedVbComponents>(time_([&] { return inner_->vbComponents(); }),
                                               time_);
  }

private:
  std::shared_ptr<VbProject> inner_;
  IdeTime& time_;
};

class TimedVbe final : public Vbe {
public:
  TimedVbe(Vbe& inner, IdeTime& time) : inner_(inner), time_(time) {}

  std::shared_ptr<CodePane> activeCodePane() override {
    std::shared_ptr<CodePane> pane = time_([&] { return inner_.activeCodePane(); });
    return pane ? std::make_shared<TimedCodePane>(std::move(pane), time_) : nullptr;
  }
  std::shared_ptr<VbProject> activeVBProject() override {
    return std::make_shared<TimedVbProject>(time_([&] { return inner_.activeVBProject(); }), time_);
  }
  std::shared_ptr<CommandBars> commandBars() override {
    return time_([&] { return inner_.commandBars(); });
  }
  std::shared_ptr<Events> events() override {
    return time_([&] { return inner_.events(); });
  }

private:
  Vbe& inner_;
  IdeTime& time_;
};

} // namespace velmora::bench
