#include "sim/vbide/objects/command_bar_control_object.hpp"

#include "sim/ide/host_messages.hpp"
#include "sim/vbide/objects/automation_error.hpp"
#include "sim/vbide/objects/command_bar_object.hpp"
#include "sim/vbide/objects/dispatch_object.hpp"
#include "sim/vbide/objects/ide_guids.hpp"
#include "sim/vbide/objects/office_messages.hpp"

#include <array>

namespace velmora::sim::vbide {

namespace {

// Asked for by controlModelOf: only our own control objects answer it.
// {5B0C6A3E-1F7D-4C2B-9E51-7A3D2C8B4F10}
constexpr IID kIidOwnControl = {
    0x5B0C6A3E, 0x1F7D, 0x4C2B, {0x9E, 0x51, 0x7A, 0x3D, 0x2C, 0x8B, 0x4F, 0x10}};

enum : DISPID {
  kCaption = 0x60030030,
  kTooltipText,
  kBeginGroup,
  kTag,
  kParameter,
  kVisible,
  kEnabled,
  kType,
  kId,
  kIndex,
  kParent,
  kDelete,
  kFaceId,
  kStyle,
  kPasteFace,
};

constexpr std::array<DispatchMember, 15> kMembers = {{
    {L"Caption", kCaption},
    {L"TooltipText", kTooltipText},
    {L"BeginGroup", kBeginGroup},
    {L"Tag", kTag},
    {L"Parameter", kParameter},
    {L"Visible", kVisible},
    {L"Enabled", kEnabled},
    {L"Type", kType},
    {L"Id", kId},
    {L"Index", kIndex},
    {L"Parent", kParent},
    {L"Delete", kDelete},
    {L"FaceId", kFaceId},
    {L"Style", kStyle},
    {L"PasteFace", kPasteFace},
}};

// Office 8's button styles: automatic, icon, caption, icon and caption.
constexpr std::int32_t kLastStyle = 3;

class CommandBarControlObject final : public DispatchObject {
public:
  CommandBarControlObject(std::shared_ptr<CommandBarsModel> model,
                          std::shared_ptr<CommandBarControlModel> control)
      : DispatchObject(kMembers,
                       control->type == kControlButton ? kIidCommandBarButton
                                                       : kIidCommandBarControl,
                       kOfficeSource),
        model_(std::move(model)), control_(std::move(control)) {}

  const std::shared_ptr<CommandBarControlModel>& control() const { return control_; }

private:
  IUnknown* queryOther(REFIID iid) override {
    if (IsEqualIID(iid, kIidOwnControl) || IsEqualIID(iid, kIidCommandBarControl)) {
      AddRef();
      return static_cast<IDispatch*>(this);
    }
    return nullptr;
  }

  void invoke(DISPID id, DispatchCall& call) override {
    CommandBarsModel::requireLive(*control_);
    CommandBarControlModel& control = *control_;
    switch (id) {
    case kCaption:
      text(call, control.caption);
      return;
    case kTooltipText:
      text(call, control.tooltipText);
      return;
    case kTag:
      text(call, control.tag);
      return;
    case kParameter:
      text(call, control.parameter);
      return;
    case kBeginGroup:
      flag(call, control.beginGroup);
      return;
    case kVisible:
      flag(call, control.visible);
      return;
    case kEnabled:
      flag(call, control.enabled);
      return;
    case kType:
      call.expectGet();
      call.returnLong(control.type);
      return;
    case kId:
      call.expectGet();
      call.returnLong(control.id);
      return;
    case kIndex:
      call.expectGet();
      call.returnLong(model_->indexOf(control));
      return;
    case kParent:
      call.expectGet();
      call.returnDispatch(makeCommandBarObject(model_, control.bar.lock()).detach());
      return;
    case kDelete:
      call.expectMethod(0, 1);
      call.boolArg(0, false);
      model_->removeControl(control);
      return;
    default:
      buttonMember(id, call);
    }
  }

  void buttonMember(DISPID id, DispatchCall& call) {
    CommandBarControlModel& control = *control_;
    if (control.type != kControlButton) {
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
    switch (id) {
    case kFaceId:
      if (call.isPut()) {
        call.expectPut();
        control.faceId = call.putLong();
        control.face.reset();
        model_->changed();
        return;
      }
      call.expectGet();
      call.returnLong(control.faceId);
      return;
    case kStyle:
      if (call.isPut()) {
        call.expectPut();
        const std::int32_t style = call.putLong();
        if (style < 0 || style > kLastStyle) {
          throw AutomationError(vbErrorCode(5), kInvalidCallOrArgument);
        }
        control.style = style;
        model_->changed();
        return;
      }
      call.expectGet();
      call.returnLong(control.style);
      return;
    case kPasteFace: {
      call.expectMethod();
      auto face = FaceImage::fromClipboard();
      if (!face) {
        throw AutomationError(E_FAIL, kPasteFaceFailed);
      }
      control.face = std::move(face);
      control.faceId = 0;
      model_->changed();
      return;
    }
    default:
      throw DispatchFault(DISP_E_MEMBERNOTFOUND);
    }
  }

  void text(DispatchCall& call, std::u16string& value) {
    if (call.isPut()) {
      call.expectPut();
      value = call.putString();
      model_->changed();
      return;
    }
    call.expectGet();
    call.returnString(value);
  }

  void flag(DispatchCall& call, bool& value) {
    if (call.isPut()) {
      call.expectPut();
      value = call.putBool();
      model_->changed();
      return;
    }
    call.expectGet();
    call.returnBool(value);
  }

  std::shared_ptr<CommandBarsModel> model_;
  std::shared_ptr<CommandBarControlModel> control_;
};

} // namespace

win32::ComPtr<IDispatch>
makeCommandBarControlObject(std::shared_ptr<CommandBarsModel> model,
                            std::shared_ptr<CommandBarControlModel> control) {
  return win32::ComPtr<IDispatch>::adopt(
      new CommandBarControlObject(std::move(model), std::move(control)));
}

std::shared_ptr<CommandBarControlModel> controlModelOf(IDispatch* object) {
  if (object == nullptr) {
    return nullptr;
  }
  win32::ComPtr<IDispatch> own;
  if (FAILED(object->QueryInterface(kIidOwnControl, reinterpret_cast<void**>(own.put())))) {
    return nullptr;
  }
  return static_cast<CommandBarControlObject*>(own.get())->control();
}

} // namespace velmora::sim::vbide
