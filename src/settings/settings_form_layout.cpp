#include "settings/settings_form_layout.hpp"

#include "hotkey/hot_key.hpp"
#include "hotkey/hot_key_retry.hpp"
#include "ports/control_layouts.hpp"

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr std::int32_t kClientWidth = 7200;
constexpr std::int32_t kClientHeight = 6945;
constexpr std::int32_t kFaceTwips = 240; // 16 pixels at 96 dpi
constexpr std::int32_t kTimer1Interval = 10;
constexpr std::uint32_t kBlue = 0x0000FF;

// Keyboard order.
enum Tab : int {
  TabSettouChar,
  TabKata,
  TabAdd,
  TabDel,
  TabUp,
  TabDown,
  TabList,
  TabOk,
  TabCancel,
  TabNon,
  TabFirstHotKeyRow,
  TabTenmetsu = TabFirstHotKeyRow + 5 * kHotKeySlots,
  TabComment,
  TabImeMode
};

ControlSpec inFrame(ControlSpec spec, const char* frame) {
  spec.parent = frame;
  return spec;
}

ControlSpec checkBoxSpec(std::string name, std::u16string caption, TwipRect place, int tab,
                         const char* frame) {
  return inFrame(
      controlSpec(ControlKind::CheckBox, std::move(name), std::move(caption), place, tab), frame);
}

ControlSpec pictureSpec(ButtonFace face, TwipRect place, const char* frame) {
  ControlSpec spec =
      controlSpec(ControlKind::PictureBox, std::string(FacePictureBox(face)), u"", place);
  spec.picture = ButtonFacePicture(face);
  spec.parent = frame;
  return spec;
}

ControlSpec timerSpec(std::string name, std::int32_t interval) {
  ControlSpec spec = controlSpec(ControlKind::Timer, std::move(name), u"", {0, 0, 0, 0});
  spec.enabled = false;
  spec.interval = interval;
  return spec;
}

void addPrefixFrame(FormSpec& form) {
  constexpr const char* frame = "Frame1";
  form.controls.push_back(
      controlSpec(ControlKind::Frame, frame, u"ベルモラの接頭語設定", {120, 60, 6960, 3135}));
  form.controls.push_back(inFrame(labelSpec("Label1", u"接頭文字", {120, 240, 2055, 255}), frame));
  auto settouChar =
      controlSpec(ControlKind::TextBox, "txtSettouChar", u"", {120, 480, 2055, 300}, TabSettouChar);
  settouChar.imeMode = ImeMode::Off;
  form.controls.push_back(inFrame(settouChar, frame));
  form.controls.push_back(inFrame(labelSpec("Label2", u"型", {120, 840, 2055, 255}), frame));
  auto kata = controlSpec(ControlKind::TextBox, "txtKata", u"", {120, 1080, 2055, 300}, TabKata);
  kata.imeMode = ImeMode::Off;
  form.controls.push_back(inFrame(kata, frame));

  auto add = buttonSpec("cmbAdd", u"追加 >>", {2280, 480, 1095, 375}, TabAdd);
  add.isDefault = true;
  form.controls.push_back(inFrame(add, frame));
  form.controls.push_back(
      inFrame(buttonSpec("cmbDel", u"<< 削除", {2280, 960, 1095, 375}, TabDel), frame));
  form.controls.push_back(
      inFrame(buttonSpec("cmbUp", u"上へ ↑", {2280, 1920, 1095, 375}, TabUp), frame));
  form.controls.push_back(
      inFrame(buttonSpec("cmbDown", u"下へ ↓", {2280, 2400, 1095, 375}, TabDown), frame));

  auto list =
      controlSpec(ControlKind::ListView, "ListView1", u"", {3480, 240, 3120, 2775}, TabList);
  list.columns = {{"SettouChar", u"接頭文字"}, {"Kata", u"型"}};
  form.controls.push_back(inFrame(list, frame));
  // Narrow and tall, so that the text reads downwards.
  auto order = labelSpec("Label3", u"検索順序↓", {6660, 240, 240, 2775});
  order.wordWrap = true;
  form.controls.push_back(inFrame(order, frame));

  auto non = checkBoxSpec("chkNon", u"登録されていない接頭文字の場合はたずねる",
                          {120, 1500, 2055, 615}, TabNon, frame);
  non.wordWrap = true;
  form.controls.push_back(non);
}

void addHotKeyFrame(FormSpec& form) {
  constexpr const char* frame = "Frame2";
  form.controls.push_back(
      controlSpec(ControlKind::Frame, frame, u"ｼｮｰﾄｶｯﾄｷｰ", {120, 3255, 6960, 2025}));
  static constexpr std::array<ButtonFace, kHotKeySlots> faces = {
      ButtonFace::Dim, ButtonFace::Private, ButtonFace::Public, ButtonFace::Bas};
  struct Modifier {
    const char* name;
    const char16_t* caption;
    std::int32_t left;
    std::int32_t width;
  };
  static constexpr std::array<Modifier, 4> modifiers = {{{"chkHot1", u"Alt", 600, 735},
                                                         {"chkHot2", u"Ctrl", 1440, 735},
                                                         {"chkHot3", u"Shift", 2280, 855},
                                                         {"chkHot4", u"Window", 3240, 1095}}};
  for (int row = 0; row < kHotKeySlots; ++row) {
    const std::int32_t top = 300 + 420 * row;
    const int firstTab = TabFirstHotKeyRow + 5 * row;
    form.controls.push_back(pictureSpec(faces[static_cast<std::size_t>(row)],
                                        {240, top + 45, kFaceTwips, kFaceTwips}, frame));
    for (std::size_t m = 0; m < modifiers.size(); ++m) {
      auto check = checkBoxSpec(modifiers[m].name, modifiers[m].caption,
                                {modifiers[m].left, top, modifiers[m].width, 330},
                                firstTab + static_cast<int>(m), frame);
      check.index = row;
      form.controls.push_back(check);
    }
    auto key =
        controlSpec(ControlKind::ComboBox, "cboKey", u"", {4440, top, 2280, 330}, firstTab + 4);
    key.index = row;
    key.comboStyle = ComboStyle::DropDownList;
    form.controls.push_back(inFrame(key, frame));
  }
}

void addBehaviourFrame(FormSpec& form) {
  constexpr const char* frame = "Frame3";
  form.controls.push_back(
      controlSpec(ControlKind::Frame, frame, u"宣言時の動作", {120, 5340, 6960, 1110}));
  form.controls.push_back(
      checkBoxSpec("chkTenmetsu", u"変数を点滅させる", {240, 240, 3000, 255}, TabTenmetsu, frame));
  form.controls.push_back(
      checkBoxSpec("chkComment", u"ｺﾒﾝﾄを問い合わせる", {240, 510, 3000, 255}, TabComment, frame));
  form.controls.push_back(checkBoxSpec("chkImeMode", u"ｺﾒﾝﾄ問い合わせ時にIMEﾓｰﾄﾞONにする",
                                       {480, 780, 4200, 255}, TabImeMode, frame));
}

void addBottomRow(FormSpec& form) {
  auto version = labelSpec("lblVersion", u"", {120, 6525, 3375, 300});
  version.font = FontSpec{u"ＭＳ Ｐゴシック", 11.25, true, true};
  version.foreColour = kBlue;
  form.controls.push_back(version);
  auto settei = pictureSpec(ButtonFace::Settei, {3600, 6525, kFaceTwips, kFaceTwips}, "");
  settei.visible = false;
  form.controls.push_back(settei);
  form.controls.push_back(buttonSpec("cmbOk", u"OK", {4560, 6480, 1215, 375}, TabOk));
  auto cancel = buttonSpec("cmbCancel", u"ｷｬﾝｾﾙ", {5865, 6480, 1215, 375}, TabCancel);
  cancel.isCancel = true;
  form.controls.push_back(cancel);
  form.controls.push_back(timerSpec("Timer1", kTimer1Interval));
  form.controls.push_back(timerSpec("tmrRetry", kHotKeyRetryInterval));
}

} // namespace

std::string_view FacePictureBox(ButtonFace face) {
  switch (face) {
  case ButtonFace::Dim:
    return "picDim";
  case ButtonFace::Private:
    return "picPrivate";
  case ButtonFace::Public:
    return "picPublic";
  case ButtonFace::Bas:
    return "picBas";
  case ButtonFace::Settei:
    break;
  }
  return "picSettei";
}

FormSpec SettingsFormLayout() {
  FormSpec form;
  form.name = "frmVelmora";
  form.caption = u"ベルモラの設定";
  form.clientWidth = kClientWidth;
  form.clientHeight = kClientHeight;
  form.fixedDialog = true;
  form.closeBox = true;
  form.showInTaskbar = false;
  form.centred = true;
  form.icon = VelmoraIcon();
  addPrefixFrame(form);
  addHotKeyFrame(form);
  addBehaviourFrame(form);
  addBottomRow(form);
  return form;
}

} // namespace velmora
