#include "host/dispatch_vbe.hpp"

#include "host/dispatch_code_pane.hpp"
#include "host/dispatch_command_bars.hpp"
#include "host/dispatch_events.hpp"
#include "host/dispatch_vb_project.hpp"

namespace velmora::win32 {

std::shared_ptr<DispatchVbe> DispatchVbe::resolve(IDispatch* vbInst,
                                                  std::shared_ptr<DispatchContext> context) {
  if (vbInst == nullptr) {
    return nullptr;
  }
  DispatchObject object(ComPtr<IDispatch>(vbInst), std::move(context), u"VBE");
  for (const char16_t* member :
       {u"CommandBars", u"Events", u"ActiveCodePane", u"ActiveVBProject"}) {
    if (!object.answers(member)) {
      return nullptr;
    }
  }
  return std::make_shared<DispatchVbe>(std::move(object));
}

std::shared_ptr<CodePane> DispatchVbe::activeCodePane() {
  ComPtr<IDispatch> pane = object_.get(u"ActiveCodePane").toObject();
  if (!pane) {
    return nullptr;
  }
  return std::make_shared<DispatchCodePane>(
      DispatchObject(std::move(pane), object_.context(), u"CodePane"));
}

std::shared_ptr<VbProject> DispatchVbe::activeVBProject() {
  return std::make_shared<DispatchVbProject>(DispatchObject(
      DispatchObject::required(object_.get(u"ActiveVBProject")), object_.context(), u"VBProject"));
}

std::shared_ptr<CommandBars> DispatchVbe::commandBars() {
  return std::make_shared<DispatchCommandBars>(DispatchObject(
      DispatchObject::required(object_.get(u"CommandBars")), object_.context(), u"CommandBars"));
}

std::shared_ptr<Events> DispatchVbe::events() {
  return std::make_shared<DispatchEvents>(DispatchObject(
      DispatchObject::required(object_.get(u"Events")), object_.context(), u"Events"));
}

} // namespace velmora::win32
