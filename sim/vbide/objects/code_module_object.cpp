#include "sim/vbide/objects/code_module_object.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

enum : DISPID {
  kAddFromString = 0x60020006,
  kInsertLines = 0x60020008,
  kLines = 0x6002000B,
  kCountOfLines = 0x6002000C,
  kCountOfDeclarationLines = 0x6002000D,
  kProcStartLine = 0x6002000E,
  kProcBodyLine = 0x60020010,
  kProcOfLine = 0x60020011,
};

constexpr std::array<DispatchMember, 8> kMembers = {{
    {L"AddFromString", kAddFromString},
    {L"InsertLines", kInsertLines},
    {L"Lines", kLines},
    {L"CountOfLines", kCountOfLines},
    {L"CountOfDeclarationLines", kCountOfDeclarationLines},
    {L"ProcStartLine", kProcStartLine},
    {L"ProcBodyLine", kProcBodyLine},
    {L"ProcOfLine", kProcOfLine},
}};

// A procedure kind as the IDE numbers them; another number is an invalid argument.
ProcKind procKind(std::int32_t value) {
  if (value < 0 || value > 3) {
    throw AutomationError(vbErrorCode(5), kInvalidCallOrArgument);
  }
  return static_cast<ProcKind>(value);
}

class CodeModuleObject final : public DispatchObject {
public:
  explicit CodeModuleObject(std::shared_ptr<MemoryCodeModule> module)
      : DispatchObject(kMembers, kIidCodeModule, kVbideSource), module_(std::move(module)) {}

private:
  void invoke(DISPID id, DispatchCall& call) override {
    switch (id) {
    case kLines:
      call.expectGet(2, 2);
      call.returnString(module_->lines(call.longArg(0), call.longArg(1)));
      return;
    case kCountOfLines:
      call.expectGet();
      call.returnLong(module_->countOfLines());
      return;
    case kCountOfDeclarationLines:
      call.expectGet();
      call.returnLong(module_->countOfDeclarationLines());
      return;
    case kProcOfLine: {
      call.expectGet(2, 2);
      ProcKind kind = ProcKind::Procedure;
      const std::u16string name = module_->procOfLine(call.longArg(0), kind);
      call.setOutLong(1, static_cast<std::int32_t>(kind));
      call.returnString(name);
      return;
    }
    case kProcBodyLine:
      call.expectGet(2, 2);
      call.returnLong(module_->procBodyLine(call.stringArg(0), procKind(call.longArg(1))));
      return;
    case kProcStartLine:
      call.expectGet(2, 2);
      call.returnLong(module_->procStartLine(call.stringArg(0), procKind(call.longArg(1))));
      return;
    case kInsertLines:
      call.expectMethod(2, 2);
      module_->insertLines(call.longArg(0), call.stringArg(1));
      return;
    case kAddFromString:
      call.expectMethod(1, 1);
      module_->addFromString(call.stringArg(0));
      return;
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  std::shared_ptr<MemoryCodeModule> module_;
};

} // namespace

win32::ComPtr<IDispatch> makeCodeModuleObject(std::shared_ptr<MemoryCodeModule> module) {
  return win32::ComPtr<IDispatch>::adopt(new CodeModuleObject(std::move(module)));
}

} // namespace velmora::sim::vbide
