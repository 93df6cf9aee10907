#pragma once

#include "host/code_module.hpp"
#include "host/dispatch_object.hpp"

namespace velmora::win32 {

// The IDE's CodeModule, late-bound.
class DispatchCodeModule final : public CodeModule {
public:
  explicit DispatchCodeModule(DispatchObject object) : object_(std::move(object)) {}

  std::u16string lines(std::int32_t startLine, std::int32_t count) override;
  std::int32_t countOfLines() override;
  std::int32_t countOfDeclarationLines() override;
  std::u16string procOfLine(std::int32_t line, ProcKind& kind) override;
  std::int32_t procBodyLine(const std::u16string& name, ProcKind kind) override;
  void insertLines(std::int32_t line, const std::u16string& text) override;
  void addFromString(const std::u16string& text) override;

private:
  DispatchObject object_;
};

} // namespace velmora::win32
