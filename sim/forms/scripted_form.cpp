#include "sim/forms/scripted_form.hpp"

#include "sim/forms/scripted_toolkit.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <stdexcept>

namespace velmora::sim {

namespace {

std::string describe(std::string_view name, int index) {
  std::string text(name);
  if (index >= 0) {
    text += '(';
    text += std::to_string(index);
    text += ')';
  }
  return text;
}

std::unique_ptr<ScriptedControlBase> makeControl(ScriptedForm& form, const ControlSpec& spec) {
  switch (spec.kind) {
  case ControlKind::Label:
  case ControlKind::Frame:
    return std::make_unique<ScriptedLabel>(form, spec);
  case ControlKind::Button:
    return std::make_unique<ScriptedButton>(form, spec);
  case ControlKind::CheckBox:
    return std::make_unique<ScriptedCheckBox>(form, spec);
  case ControlKind::TextBox:
    return std::make_unique<ScriptedTextBox>(form, spec);
  case ControlKind::ListBox:
    return std::make_unique<ScriptedListBox>(form, spec);
  case ControlKind::ComboBox:
    return std::make_unique<ScriptedComboBox>(form, spec);
  case ControlKind::ListView:
    return std::make_unique<ScriptedListView>(form, spec);
  case ControlKind::PictureBox:
    return std::make_unique<ScriptedPictureBox>(form, spec);
  case ControlKind::Timer:
    break;
  }
  return nullptr;
}

} // namespace

ScriptedForm::ScriptedForm(ScriptedToolkit& toolkit, const FormSpec& spec)
    : toolkit_(toolkit), spec_(spec) {
  handle_ = toolkit_.newHandle(spec_);
  for (const auto& control : spec_.controls) {
    Key key{control.name, control.index};
    if (control.kind == ControlKind::Timer) {
      timers_[key] = std::make_unique<ScriptedTimer>(*this, control);
    } else {
      controls_[key] = makeControl(*this, control);
    }
  }
}

ScriptedForm::~ScriptedForm() {
  if (!unloaded_) {
    // Dropping a loaded form without unloading it is how the host tears a library down;
    // the window goes without the form's own unload processing.
    timers_.clear();
    toolkit_.releaseHandle(handle_);
    toolkit_.forget(*this);
  }
}

void ScriptedForm::requireLoaded() const {
  if (unloaded_) {
    throw std::logic_error("form " + spec_.name + " used after its unload");
  }
}

void ScriptedForm::requireShown(const char* action) const {
  requireLoaded();
  if (!visible_) {
    throw std::logic_error(std::string("cannot ") + action + " on hidden form " + spec_.name);
  }
}

ScriptedControlBase& ScriptedForm::base(std::string_view name, int index) {
  requireLoaded();
  auto it = controls_.find(Key{std::string(name), index});
  if (it == controls_.end()) {
    throw Error(u"コントロールが見つかりません: " + fromUtf8(describe(name, index)));
  }
  return *it->second;
}

template <typename T> T& ScriptedForm::find(std::string_view name, int index) {
  auto* control = dynamic_cast<T*>(&base(name, index));
  if (control == nullptr) {
    throw Error(u"コントロールの種類が違います: " + fromUtf8(describe(name, index)));
  }
  return *control;
}

Label& ScriptedForm::label(std::string_view name, int index) {
  return find<ScriptedLabel>(name, index);
}
Button& ScriptedForm::button(std::string_view name, int index) {
  return find<ScriptedButton>(name, index);
}
CheckBox& ScriptedForm::checkBox(std::string_view name, int index) {
  return find<ScriptedCheckBox>(name, index);
}
TextBox& ScriptedForm::textBox(std::string_view name, int index) {
  return find<ScriptedTextBox>(name, index);
}
ListBox& ScriptedForm::listBox(std::string_view name, int index) {
  return find<ScriptedListBox>(name, index);
}
ComboBox& ScriptedForm::comboBox(std::string_view name, int index) {
  return find<ScriptedComboBox>(name, index);
}
ListView& ScriptedForm::listView(std::string_view name, int index) {
  return find<ScriptedListView>(name, index);
}
PictureBox& ScriptedForm::pictureBox(std::string_view name, int index) {
  return find<ScriptedPictureBox>(name, index);
}
ScriptedTextBox& ScriptedForm::scriptedTextBox(std::string_view name, int index) {
  return find<ScriptedTextBox>(name, index);
}

ScriptedTimer& ScriptedForm::scriptedTimer(std::string_view name, int index) {
  requireLoaded();
  auto it = timers_.find(Key{std::string(name), index});
  if (it == timers_.end()) {
    throw Error(u"コントロールが見つかりません: " + fromUtf8(describe(name, index)));
  }
  return *it->second;
}

Timer& ScriptedForm::timer(std::string_view name, int index) {
  return scriptedTimer(name, index);
}

void ScriptedForm::showModal() {
  requireLoaded();
  if (visible_) {
    throw Error(u"既に表示されているフォームはモーダル表示できません。");
  }
  visible_ = true;
  toolkit_.note("showModal", spec_);
  // The first control in the keyboard order takes the focus.
  ScriptedControlBase* first = nullptr;
  for (auto& [key, control] : controls_) {
    const auto& spec = control->spec();
    if (spec.tabIndex >= 0 && control->isEnabled() && spec.visible &&
        (first == nullptr || spec.tabIndex < first->spec().tabIndex)) {
      first = control.get();
    }
  }
  if (first != nullptr) {
    moveFocusTo(*first);
  }
  ++modalDepth_;
  try {
    toolkit_.runModal(*this);
  } catch (...) {
    --modalDepth_;
    throw;
  }
  --modalDepth_;
}

void ScriptedForm::hide() {
  requireLoaded();
  toolkit_.note("hide", spec_);
  toolkit_.endModality(*this);
  visible_ = false;
}

void ScriptedForm::unload() {
  requireLoaded();
  toolkit_.note("unload", spec_);
  if (queryUnload_) {
    queryUnload_();
  }
  visible_ = false;
  unloaded_ = true;
  focused_ = nullptr;
  timers_.clear();
  toolkit_.releaseHandle(handle_);
  toolkit_.forget(*this);
}

void ScriptedForm::moveFocusTo(ScriptedControlBase& control) {
  if (focused_ == &control || !control.isEnabled() || !control.spec().visible) {
    return;
  }
  focused_ = &control;
  control.gotFocus();
}

std::string ScriptedForm::focusedControl() const {
  return focused_ == nullptr ? std::string()
                             : describe(focused_->spec().name, focused_->spec().index);
}

void ScriptedForm::click(std::string_view name, int index) {
  requireShown("click");
  auto& control = base(name, index);
  if (!control.isEnabled()) {
    return;
  }
  moveFocusTo(control);
  if (auto* button = dynamic_cast<ScriptedButton*>(&control)) {
    button->fireClick();
  } else if (auto* check = dynamic_cast<ScriptedCheckBox*>(&control)) {
    check->userClick();
  }
}

void ScriptedForm::focus(std::string_view name, int index) {
  requireShown("focus");
  moveFocusTo(base(name, index));
}

void ScriptedForm::type(std::string_view name, const std::u16string& text, int index) {
  requireShown("type");
  auto& control = base(name, index);
  if (!control.isEnabled()) {
    return;
  }
  moveFocusTo(control);
  if (auto* textBox = dynamic_cast<ScriptedTextBox*>(&control)) {
    textBox->userType(text);
  } else if (auto* combo = dynamic_cast<ScriptedComboBox*>(&control)) {
    combo->userType(text);
  } else {
    throw std::logic_error("cannot type into " + describe(name, index));
  }
}

void ScriptedForm::pick(std::string_view name, int item, int index) {
  requireShown("pick");
  auto& control = base(name, index);
  if (!control.isEnabled()) {
    return;
  }
  moveFocusTo(control);
  if (auto* combo = dynamic_cast<ScriptedComboBox*>(&control)) {
    combo->userSelect(item);
  } else if (auto* list = dynamic_cast<ScriptedListBox*>(&control)) {
    list->setListIndex(item);
  } else {
    throw std::logic_error("cannot pick in " + describe(name, index));
  }
}

void ScriptedForm::doubleClick(std::string_view name, int item, int index) {
  requireShown("double-click");
  auto& combo = find<ScriptedComboBox>(name, index);
  if (combo.isEnabled()) {
    moveFocusTo(combo);
    combo.userDoubleClick(item);
  }
}

void ScriptedForm::pickRow(std::string_view name, int row, int index) {
  requireShown("pick a row");
  auto& list = find<ScriptedListView>(name, index);
  if (list.isEnabled()) {
    moveFocusTo(list);
    list.selectRow(row);
  }
}

ScriptedButton* ScriptedForm::buttonWhere(bool ControlSpec::*flag) {
  for (auto& [key, control] : controls_) {
    if (control->spec().*flag && control->isEnabled()) {
      return dynamic_cast<ScriptedButton*>(control.get());
    }
  }
  return nullptr;
}

void ScriptedForm::pressEnter() {
  requireShown("press Enter");
  // Enter presses the focused button, else the default button.
  if (auto* focusedButton = dynamic_cast<ScriptedButton*>(focused_)) {
    focusedButton->fireClick();
  } else if (auto* button = buttonWhere(&ControlSpec::isDefault)) {
    moveFocusTo(*button);
    button->fireClick();
  }
}

void ScriptedForm::pressEsc() {
  requireShown("press Esc");
  if (auto* button = buttonWhere(&ControlSpec::isCancel)) {
    button->fireClick();
  }
}

void ScriptedForm::pressCloseBox() {
  requireShown("close");
  if (!spec_.closeBox) {
    return;
  }
  if (closeBox_) {
    closeBox_();
  } else {
    unload();
  }
}

} // namespace velmora::sim
