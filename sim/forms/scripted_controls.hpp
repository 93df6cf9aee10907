#pragma once

#include "ports/controls.hpp"
#include "ports/form_layout.hpp"

#include <functional>
#include <string>
#include <vector>

namespace velmora::sim {

class ScriptedForm;

// In-memory controls of a scripted form. Code sets their properties through the port
// interfaces; the scripted user drives them through ScriptedForm.

// Shared state of every focusable control.
class ScriptedControlBase {
public:
  ScriptedControlBase(ScriptedForm& form, const ControlSpec& spec);
  virtual ~ScriptedControlBase() = default;
  ScriptedControlBase(const ScriptedControlBase&) = delete;
  ScriptedControlBase& operator=(const ScriptedControlBase&) = delete;

  const ControlSpec& spec() const { return spec_; }
  bool isEnabled() const { return enabled_; }
  void changeEnabled(bool enabled) { enabled_ = enabled; }
  // Focus moved here; a text box runs its got-focus event.
  virtual void gotFocus() {}
  void requestFocus();

protected:
  ScriptedForm& form_;

private:
  ControlSpec spec_;
  bool enabled_;
};

// Implements the members every control port shares.
template <typename Port> class ScriptedControl : public Port, public ScriptedControlBase {
public:
  ScriptedControl(ScriptedForm& form, const ControlSpec& spec) : ScriptedControlBase(form, spec) {}
  bool enabled() const override { return isEnabled(); }
  void setEnabled(bool enabled) override { changeEnabled(enabled); }
  void setFocus() override { requestFocus(); }
};

class ScriptedLabel final : public ScriptedControl<Label> {
public:
  ScriptedLabel(ScriptedForm& form, const ControlSpec& spec);
  std::u16string caption() const override { return caption_; }
  void setCaption(const std::u16string& caption) override { caption_ = caption; }

private:
  std::u16string caption_;
};

class ScriptedButton final : public ScriptedControl<Button> {
public:
  using ScriptedControl::ScriptedControl;
  void onClick(EventHandler handler) override { click_ = std::move(handler); }
  void fireClick() const;

private:
  EventHandler click_;
};

class ScriptedCheckBox final : public ScriptedControl<CheckBox> {
public:
  using ScriptedControl::ScriptedControl;
  int value() const override { return value_; }
  void setValue(int value) override;
  void onClick(EventHandler handler) override { click_ = std::move(handler); }
  // The user clicks: the box toggles, then the click event runs.
  void userClick();

private:
  int value_ = 0;
  EventHandler click_;
};

class ScriptedTextBox final : public ScriptedControl<TextBox> {
public:
  ScriptedTextBox(ScriptedForm& form, const ControlSpec& spec);
  std::u16string text() const override { return text_; }
  void setText(const std::u16string& text) override;
  void select(int start, int length) override;
  int selectionStart() const override { return selStart_; }
  int selectionLength() const override { return selLength_; }
  void setImeMode(ImeMode mode) override { imeMode_ = mode; }
  ImeMode imeMode() const { return imeMode_; }
  void onGotFocus(EventHandler handler) override { gotFocus_ = std::move(handler); }
  void gotFocus() override;
  // The user types: the selection is replaced by `text`.
  void userType(const std::u16string& text);

private:
  std::u16string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  ImeMode imeMode_;
  EventHandler gotFocus_;
};

// Entries and selection shared by list and combo boxes.
class ListEntries {
public:
  void clear();
  void add(const std::u16string& text, std::int32_t data);
  int count() const { return static_cast<int>(texts_.size()); }
  std::u16string text(int index) const;
  std::int32_t data(int index) const;
  int selected() const { return selected_; }
  void select(int index);

private:
  void check(int index) const;

  std::vector<std::u16string> texts_;
  std::vector<std::int32_t> data_;
  int selected_ = -1;
};

class ScriptedListBox final : public ScriptedControl<ListBox> {
public:
  ScriptedListBox(ScriptedForm& form, const ControlSpec& spec);
  void clear() override { entries_.clear(); }
  void addItem(const std::u16string& text) override { entries_.add(text, 0); }
  int count() const override { return entries_.count(); }
  std::u16string itemText(int index) const override { return entries_.text(index); }
  int listIndex() const override { return entries_.selected(); }
  void setListIndex(int index) override { entries_.select(index); }

private:
  ListEntries entries_;
};

class ScriptedComboBox final : public ScriptedControl<ComboBox> {
public:
  ScriptedComboBox(ScriptedForm& form, const ControlSpec& spec);
  void clear() override;
  void addItem(const std::u16string& text) override { entries_.add(text, 0); }
  void addItem(const std::u16string& text, std::int32_t itemData) override {
    entries_.add(text, itemData);
  }
  int count() const override { return entries_.count(); }
  std::u16string itemText(int index) const override { return entries_.text(index); }
  std::int32_t itemData(int index) const override { return entries_.data(index); }
  int listIndex() const override { return entries_.selected(); }
  void setListIndex(int index) override;
  std::u16string text() const override;
  void setText(const std::u16string& text) override;
  void onDoubleClick(EventHandler handler) override { doubleClick_ = std::move(handler); }
  // The user picks an entry of the list.
  void userSelect(int index);
  // The user double-clicks an entry of the list: it is selected, then the event runs.
  void userDoubleClick(int index);
  // The user types into the edit field; the list selection is dropped.
  void userType(const std::u16string& text);

private:
  ListEntries entries_;
  std::u16string text_;
  EventHandler doubleClick_;
};

class ScriptedListView final : public ScriptedControl<ListView> {
public:
  using ScriptedControl::ScriptedControl;
  void clearRows() override;
  void addRow(const std::vector<std::u16string>& cells) override;
  void removeRow(int row) override;
  int rowCount() const override { return static_cast<int>(rows_.size()); }
  std::u16string cell(int row, int column) const override;
  void setCell(int row, int column, const std::u16string& text) override;
  int selectedRow() const override { return selected_; }
  void selectRow(int row) override;

private:
  void check(int row, int column) const;

  std::vector<std::vector<std::u16string>> rows_;
  int selected_ = -1;
};

class ScriptedPictureBox final : public ScriptedControl<PictureBox> {
public:
  ScriptedPictureBox(ScriptedForm& form, const ControlSpec& spec);
  const Bitmap& picture() const override { return picture_; }

private:
  Bitmap picture_;
};

class ScriptedTimer final : public Timer {
public:
  ScriptedTimer(ScriptedForm& form, const ControlSpec& spec);
  ~ScriptedTimer() override;
  ScriptedTimer(const ScriptedTimer&) = delete;
  ScriptedTimer& operator=(const ScriptedTimer&) = delete;

  bool enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override;
  std::int32_t interval() const override { return interval_; }
  void onTimer(EventHandler handler) override { handler_ = std::move(handler); }
  // Runs the timer event as if it had elapsed (only while enabled).
  void fire();
  void stop();

private:
  ScriptedForm& form_;
  bool enabled_;
  std::int32_t interval_;
  int hostTimer_ = 0;
  EventHandler handler_;
};

} // namespace velmora::sim
