#include "host/dispatch_code_module.hpp"

namespace velmora::win32 {

std::u16string DispatchCodeModule::lines(std::int32_t startLine, std::int32_t count) {
  return object_.call(u"Lines", OwnedVariant::int32(startLine), OwnedVariant::int32(count))
      .toText();
}

std::int32_t DispatchCodeModule::countOfLines() {
  return object_.get(u"CountOfLines").toInt32();
}

std::int32_t DispatchCodeModule::countOfDeclarationLines() {
  return object_.get(u"CountOfDeclarationLines").toInt32();
}

std::u16string DispatchCodeModule::procOfLine(std::int32_t line, ProcKind& kind) {
  LONG outKind = static_cast<LONG>(kind);
  std::u16string name =
      object_.call(u"ProcOfLine", OwnedVariant::int32(line), OwnedVariant::int32Ref(&outKind))
          .toText();
  kind = static_cast<ProcKind>(outKind);
  return name;
}

std::int32_t DispatchCodeModule::procBodyLine(const std::u16string& name, ProcKind kind) {
  return object_
      .call(u"ProcBodyLine", OwnedVariant::text(name),
            OwnedVariant::int32(static_cast<std::int32_t>(kind)))
      .toInt32();
}

void DispatchCodeModule::insertLines(std::int32_t line, const std::u16string& text) {
  object_.run(u"InsertLines", OwnedVariant::int32(line), OwnedVariant::text(text));
}

void DispatchCodeModule::addFromString(const std::u16string& text) {
  object_.run(u"AddFromString", OwnedVariant::text(text));
}

} // namespace velmora::win32
