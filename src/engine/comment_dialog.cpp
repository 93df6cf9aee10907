#include "engine/comment_dialog.hpp"

#include "ports/control_layouts.hpp"
#include "support/text.hpp"

namespace velmora::CommentDialog {

FormSpec layout() {
  FormSpec form;
  form.name = "frmComment";
  form.caption = u"ベルモラ\uFF0Dｺﾒﾝﾄ問い合わせ";
  form.clientWidth = 6000;
  form.clientHeight = 1140;
  form.controls.push_back(labelSpec("Label1", u"ｺﾒﾝﾄ：", {120, 180, 700, 255}));
  auto text = controlSpec(ControlKind::TextBox, "txtComment", u"", {840, 120, 5040, 330}, 0);
  text.font = FontSpec{u"ＭＳ ゴシック", 9.0, false, false};
  form.controls.push_back(text);
  auto ok = buttonSpec("OKButton", u"OK", {3240, 600, 1215, 375}, 1);
  ok.isDefault = true;
  form.controls.push_back(ok);
  auto cancel = buttonSpec("CancelButton", u"ｷｬﾝｾﾙ", {4665, 600, 1215, 375}, 2);
  cancel.isCancel = true;
  form.controls.push_back(cancel);
  return form;
}

void show(FormsToolkit& forms, const Options& options, EngineState& state) {
  auto form = forms.load(layout());
  Form& window = *form;
  TextBox& text = window.textBox("txtComment");
  text.setImeMode(Options::isOn(options.intImeMode) ? ImeMode::On : ImeMode::Off);
  window.button("OKButton").onClick([&] {
    state.CommentText = std::u16string(trimSpaces(text.text()));
    window.unload();
  });
  const auto cancel = [&] {
    state.CommentText.clear();
    window.unload();
  };
  window.button("CancelButton").onClick(cancel);
  window.onCloseBox(cancel);
  window.showModal();
}

} // namespace velmora::CommentDialog
