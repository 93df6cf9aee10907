#include "sim/forms/scripted_controls.hpp"

#include "sim/forms/scripted_form.hpp"
#include "sim/forms/scripted_toolkit.hpp"
#include "support/error.hpp"

#include <algorithm>

namespace velmora::sim {

namespace {

const char16_t kInvalidValue[] = u"プロパティの値が不正です。";

} // namespace

ScriptedControlBase::ScriptedControlBase(ScriptedForm& form, const ControlSpec& spec)
    : form_(form), spec_(spec), enabled_(spec.enabled) {}

void ScriptedControlBase::requestFocus() {
  form_.moveFocusTo(*this);
}

ScriptedLabel::ScriptedLabel(ScriptedForm& form, const ControlSpec& spec)
    : ScriptedControl(form, spec), caption_(spec.caption) {}

void ScriptedButton::fireClick() const {
  if (click_) {
    click_();
  }
}

void ScriptedCheckBox::setValue(int value) {
  if (value < 0 || value > 2) {
    throw Error(kInvalidValue);
  }
  value_ = value;
}

void ScriptedCheckBox::userClick() {
  value_ = value_ == 1 ? 0 : 1;
  if (click_) {
    click_();
  }
}

ScriptedTextBox::ScriptedTextBox(ScriptedForm& form, const ControlSpec& spec)
    : ScriptedControl(form, spec), text_(spec.caption), imeMode_(spec.imeMode) {}

void ScriptedTextBox::setText(const std::u16string& text) {
  text_ = text;
  selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
  selLength_ = 0;
}

void ScriptedTextBox::select(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
}

void ScriptedTextBox::gotFocus() {
  if (gotFocus_) {
    gotFocus_();
  }
}

void ScriptedTextBox::userType(const std::u16string& text) {
  text_.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), text);
  selStart_ += static_cast<int>(text.size());
  selLength_ = 0;
}

void ListEntries::clear() {
  texts_.clear();
  data_.clear();
  selected_ = -1;
}

void ListEntries::add(const std::u16string& text, std::int32_t data) {
  texts_.push_back(text);
  data_.push_back(data);
}

void ListEntries::check(int index) const {
  if (index < 0 || index >= count()) {
    throw Error(kInvalidValue);
  }
}

std::u16string ListEntries::text(int index) const {
  check(index);
  return texts_[static_cast<std::size_t>(index)];
}

std::int32_t ListEntries::data(int index) const {
  check(index);
  return data_[static_cast<std::size_t>(index)];
}

void ListEntries::select(int index) {
  if (index != -1) {
    check(index);
  }
  selected_ = index;
}

ScriptedListBox::ScriptedListBox(ScriptedForm& form, const ControlSpec& spec)
    : ScriptedControl(form, spec) {
  for (const auto& item : spec.items) {
    entries_.add(item, 0);
  }
}

ScriptedComboBox::ScriptedComboBox(ScriptedForm& form, const ControlSpec& spec)
    : ScriptedControl(form, spec) {
  for (const auto& item : spec.items) {
    entries_.add(item, 0);
  }
}

void ScriptedComboBox::clear() {
  entries_.clear();
  text_.clear();
}

void ScriptedComboBox::setListIndex(int index) {
  entries_.select(index);
  if (index >= 0) {
    text_ = entries_.text(index);
  }
}

std::u16string ScriptedComboBox::text() const {
  if (spec().comboStyle == ComboStyle::DropDownList) {
    return entries_.selected() >= 0 ? entries_.text(entries_.selected()) : std::u16string();
  }
  return text_;
}

void ScriptedComboBox::setText(const std::u16string& text) {
  if (spec().comboStyle == ComboStyle::DropDownList) {
    for (int i = 0; i < entries_.count(); ++i) {
      if (entries_.text(i) == text) {
        entries_.select(i);
        return;
      }
    }
    throw Error(kInvalidValue);
  }
  text_ = text;
}

void ScriptedComboBox::userSelect(int index) {
  setListIndex(index);
}

void ScriptedComboBox::userDoubleClick(int index) {
  setListIndex(index);
  if (doubleClick_) {
    doubleClick_();
  }
}

void ScriptedComboBox::userType(const std::u16string& text) {
  if (spec().comboStyle == ComboStyle::DropDownList) {
    throw Error(kInvalidValue);
  }
  entries_.select(-1);
  text_ += text;
}

void ScriptedListView::check(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 ||
      column >= static_cast<int>(rows_[static_cast<std::size_t>(row)].size())) {
    throw Error(kInvalidValue);
  }
}

void ScriptedListView::clearRows() {
  rows_.clear();
  selected_ = -1;
}

void ScriptedListView::addRow(const std::vector<std::u16string>& cells) {
  auto row = cells;
  row.resize(std::max(spec().columns.size(), cells.size()));
  rows_.push_back(std::move(row));
}

void ScriptedListView::removeRow(int row) {
  check(row, 0);
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) {
    selected_ = -1;
  } else if (selected_ > row) {
    --selected_;
  }
}

std::u16string ScriptedListView::cell(int row, int column) const {
  check(row, column);
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ScriptedListView::setCell(int row, int column, const std::u16string& text) {
  check(row, column);
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

void ScriptedListView::selectRow(int row) {
  if (row != -1) {
    check(row, 0);
  }
  selected_ = row;
}

ScriptedPictureBox::ScriptedPictureBox(ScriptedForm& form, const ControlSpec& spec)
    : ScriptedControl(form, spec), picture_(spec.picture.value_or(Bitmap{})) {}

ScriptedTimer::ScriptedTimer(ScriptedForm& form, const ControlSpec& spec)
    : form_(form), enabled_(false), interval_(spec.interval) {
  setEnabled(spec.enabled);
}

ScriptedTimer::~ScriptedTimer() {
  stop();
}

void ScriptedTimer::stop() {
  if (hostTimer_ != 0 && form_.toolkit().host() != nullptr) {
    form_.toolkit().host()->stopTimer(hostTimer_);
  }
  hostTimer_ = 0;
}

void ScriptedTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) {
    return;
  }
  enabled_ = enabled;
  stop();
  UiHost* host = form_.toolkit().host();
  if (enabled_ && host != nullptr && interval_ > 0) {
    hostTimer_ = host->startTimer(interval_, [this] { fire(); });
  }
}

void ScriptedTimer::fire() {
  if (enabled_ && handler_) {
    handler_();
  }
}

} // namespace velmora::sim
