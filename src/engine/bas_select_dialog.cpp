#include "engine/bas_select_dialog.hpp"

#include "ports/control_layouts.hpp"

namespace velmora::BasSelectDialog {

namespace {

constexpr char16_t kChooseModule[] = u"宣言する標準ﾓｼﾞｭｰﾙを選択してください";

} // namespace

FormSpec layout() {
  FormSpec form;
  form.name = "frmBasSelect";
  form.caption = u"標準ﾓｼﾞｭｰﾙ選択";
  form.clientWidth = 3900;
  form.clientHeight = 3240;
  form.controls.push_back(labelSpec("Label1", kChooseModule, {120, 120, 3660, 255}));
  form.controls.push_back(
      controlSpec(ControlKind::ListBox, "List1", u"", {120, 420, 3660, 2160}, 0));
  auto ok = buttonSpec("OKButton", u"OK", {1200, 2700, 1215, 375}, 1);
  ok.isDefault = true;
  form.controls.push_back(ok);
  auto cancel = buttonSpec("CancelButton", u"ｷｬﾝｾﾙ", {2565, 2700, 1215, 375}, 2);
  cancel.isCancel = true;
  form.controls.push_back(cancel);
  return form;
}

void show(FormsToolkit& forms, EngineState& state) {
  auto form = forms.load(layout());
  Form& window = *form;
  ListBox& list = window.listBox("List1");
  list.clear();
  for (const auto& name : state.StdModuleNames) {
    list.addItem(name);
  }
  window.button("OKButton").onClick([&] {
    if (list.listIndex() < 0) {
      forms.show(Message{kChooseModule, MessageButtons::Ok, MessageIcon::None, std::nullopt});
      return;
    }
    state.SelectedStdModule = static_cast<std::int16_t>(list.listIndex());
    window.unload();
  });
  const auto cancel = [&] {
    state.SelectedStdModule = -1;
    window.unload();
  };
  window.button("CancelButton").onClick(cancel);
  // Closing the window is a cancel too, so that a stale answer is never acted on.
  window.onCloseBox(cancel);
  window.showModal();
}

} // namespace velmora::BasSelectDialog
