#pragma once

#include "ports/bitmap.hpp"
#include "ports/form_layout.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmora {

// The controls of a loaded form, as the form's event procedures see them. Setting a property
// from code fires no event; events come from the user only.

using EventHandler = std::function<void()>;

class Control {
public:
  virtual ~Control() = default;

  virtual bool enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void setFocus() = 0;
};

class Label : public Control {
public:
  virtual std::u16string caption() const = 0;
  virtual void setCaption(const std::u16string& caption) = 0;
};

class Button : public Control {
public:
  virtual void onClick(EventHandler handler) = 0;
};

// Value 0 unchecked, 1 checked.
class CheckBox : public Control {
public:
  virtual int value() const = 0;
  virtual void setValue(int value) = 0;
  virtual void onClick(EventHandler handler) = 0;
};

class TextBox : public Control {
public:
  virtual std::u16string text() const = 0;
  virtual void setText(const std::u16string& text) = 0;
  // Selection in characters from 0.
  virtual void select(int start, int length) = 0;
  virtual int selectionStart() const = 0;
  virtual int selectionLength() const = 0;
  virtual void setImeMode(ImeMode mode) = 0;
  virtual void onGotFocus(EventHandler handler) = 0;
};

// Entries keep the order in which they were added. Index -1 means no selection.
class ListBox : public Control {
public:
  virtual void clear() = 0;
  virtual void addItem(const std::u16string& text) = 0;
  virtual int count() const = 0;
  virtual std::u16string itemText(int index) const = 0;
  virtual int listIndex() const = 0;
  virtual void setListIndex(int index) = 0;
};

class ComboBox : public ListBox {
public:
  virtual void addItem(const std::u16string& text, std::int32_t itemData) = 0;
  using ListBox::addItem;
  virtual std::int32_t itemData(int index) const = 0;
  // The text of the edit field (or of the selected entry for a drop-down list).
  virtual std::u16string text() const = 0;
  virtual void setText(const std::u16string& text) = 0;
  virtual void onDoubleClick(EventHandler handler) = 0;
};

// A report-style list; rows and columns counted from 0. Row -1 means no selection.
class ListView : public Control {
public:
  virtual void clearRows() = 0;
  virtual void addRow(const std::vector<std::u16string>& cells) = 0;
  virtual void removeRow(int row) = 0;
  virtual int rowCount() const = 0;
  virtual std::u16string cell(int row, int column) const = 0;
  virtual void setCell(int row, int column, const std::u16string& text) = 0;
  virtual int selectedRow() const = 0;
  virtual void selectRow(int row) = 0;
};

class PictureBox : public Control {
public:
  virtual const Bitmap& picture() const = 0;
};

class Timer {
public:
  virtual ~Timer() = default;

  virtual bool enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual std::int32_t interval() const = 0;
  virtual void onTimer(EventHandler handler) = 0;
};

} // namespace velmora
