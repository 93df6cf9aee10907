#include "host/dispatch_code_pane.hpp"

#include "host/dispatch_code_module.hpp"

namespace velmora::win32 {

Selection DispatchCodePane::getSelection() {
  LONG startLine = 0;
  LONG startColumn = 0;
  LONG endLine = 0;
  LONG endColumn = 0;
  object_.run(u"GetSelection", OwnedVariant::int32Ref(&startLine),
              OwnedVariant::int32Ref(&startColumn), OwnedVariant::int32Ref(&endLine),
              OwnedVariant::int32Ref(&endColumn));
  return Selection{startLine, startColumn, endLine, endColumn};
}

void DispatchCodePane::setSelection(const Selection& selection) {
  object_.run(u"SetSelection", OwnedVariant::int32(selection.startLine),
              OwnedVariant::int32(selection.startColumn), OwnedVariant::int32(selection.endLine),
              OwnedVariant::int32(selection.endColumn));
}

std::shared_ptr<CodeModule> DispatchCodePane::codeModule() {
  return std::make_shared<DispatchCodeModule>(DispatchObject(
      DispatchObject::required(object_.get(u"CodeModule")), object_.context(), u"CodeModule"));
}

} // namespace velmora::win32
