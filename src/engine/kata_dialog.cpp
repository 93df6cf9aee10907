#include "engine/kata_dialog.hpp"

#include "ports/control_layouts.hpp"
#include "support/text.hpp"

namespace velmora::KataDialog {

const std::vector<std::u16string>& typeNames() {
  static const std::vector<std::u16string> names = {u"String",   u"Integer", u"Long",    u"Date",
                                                    u"Double",   u"Byte",    u"Boolean", u"Single",
                                                    u"Currency", u"Variant", u"Object"};
  return names;
}

FormSpec layout() {
  FormSpec form;
  form.name = "frmKata";
  form.caption = u"変数型選択";
  form.clientWidth = 4695;
  form.clientHeight = 3300;
  form.controls.push_back(
      labelSpec("Label1", u"変数の型を選択してください(任意入力可)", {120, 120, 4455, 255}));
  form.controls.push_back(
      labelSpec("Label2", u"登録されていない接頭文字です", {120, 420, 4455, 255}));
  form.controls.push_back(
      labelSpec("Label3", u"省略時型指定なしで宣言します。", {120, 720, 4455, 255}));
  // Neither button answers Enter or Esc.
  form.controls.push_back(buttonSpec("OKButton", u"OK", {3240, 1020, 1335, 375}, 0));
  form.controls.push_back(buttonSpec("CancelButton", u"ｷｬﾝｾﾙ", {3240, 1500, 1335, 375}, 1));
  auto combo = controlSpec(ControlKind::ComboBox, "Combo1", u"", {120, 1020, 3000, 2160}, 2);
  combo.comboStyle = ComboStyle::SimpleCombo;
  combo.items = typeNames();
  form.controls.push_back(combo);
  return form;
}

void show(FormsToolkit& forms, EngineState& state) {
  auto form = forms.load(layout());
  Form& window = *form;
  ComboBox& combo = window.comboBox("Combo1");
  window.button("OKButton").onClick([&] {
    const std::u16string text = combo.text();
    state.ChosenType = isBlank(text) ? std::u16string() : text;
    window.unload();
  });
  const auto cancel = [&] {
    state.ChosenType = kCancelType;
    window.unload();
  };
  window.button("CancelButton").onClick(cancel);
  // Closing the window is a cancel too, so that a stale answer is never acted on.
  window.onCloseBox(cancel);
  combo.onDoubleClick([&] {
    if (combo.listIndex() >= 0) {
      state.ChosenType = combo.itemText(combo.listIndex());
      window.unload();
    }
  });
  window.showModal();
}

} // namespace velmora::KataDialog
