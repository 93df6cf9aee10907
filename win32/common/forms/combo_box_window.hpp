#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"
#include "forms/item_list.hpp"

#include <memory>

namespace velmora::win32 {

// A combo box: a drop-down with an edit field, a simple combo (the list always shown under
// the edit field) or a drop-down list without free text. Entries keep their order and carry a
// 32-bit value each.
class ComboBoxWindow final : public WindowedControl<ComboBox> {
public:
  ComboBoxWindow(HWND window, FocusMemory& focus, ComboStyle style)
      : WindowedControl(window, focus), items_(window, ItemMessages::comboBox()), style_(style) {}
  static std::unique_ptr<ComboBoxWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                                const ControlContext& context);

  void clear() override { items_.clear(); }
  void addItem(const std::u16string& text) override { items_.add(text, 0); }
  void addItem(const std::u16string& text, std::int32_t itemData) override {
    items_.add(text, itemData);
  }
  int count() const override { return items_.count(); }
  std::u16string itemText(int index) const override { return items_.text(index); }
  std::int32_t itemData(int index) const override { return items_.data(index); }
  int listIndex() const override { return items_.selected(); }
  void setListIndex(int index) override { items_.select(index); }
  std::u16string text() const override;
  // A drop-down list takes only the text of one of its entries, which it selects.
  void setText(const std::u16string& text) override;
  void onDoubleClick(EventHandler handler) override { doubleClick_ = std::move(handler); }
  void notify(WORD code) override;

private:
  ItemList items_;
  ComboStyle style_;
  EventHandler doubleClick_;
};

} // namespace velmora::win32
