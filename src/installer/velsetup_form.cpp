#include "installer/velsetup_form.hpp"

#include "ports/control_layouts.hpp"

namespace velmora {

FormSpec velsetupFormSpec() {
  FormSpec form;
  form.name = "frmVelsetup";
  form.caption = u"ベルモラ登録";
  form.clientWidth = 3795;
  form.clientHeight = 1215;
  // The program's only window: the task bar shows it like any other program.
  form.showInTaskbar = true;

  ControlSpec label =
      labelSpec("Label1", u"アドイン「ベルモラ」の登録を行います", {300, 120, 3195, 375});
  label.font = FontSpec{u"ＭＳ Ｐゴシック", 9.0, true, false};
  form.controls.push_back(label);
  form.controls.push_back(buttonSpec("OKButton", u"登録", {540, 540, 1215, 375}, 0));
  form.controls.push_back(buttonSpec("CancelButton", u"ｷｬﾝｾﾙ", {1860, 540, 1215, 375}, 1));
  return form;
}

} // namespace velmora
