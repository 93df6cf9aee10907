#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"
#include "forms/item_list.hpp"

#include <memory>

namespace velmora::win32 {

// A list box with single selection, entries in the order added.
class ListBoxWindow final : public WindowedControl<ListBox> {
public:
  ListBoxWindow(HWND window, FocusMemory& focus)
      : WindowedControl(window, focus), items_(window, ItemMessages::listBox()) {}
  static std::unique_ptr<ListBoxWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                               const ControlContext& context);

  void clear() override { items_.clear(); }
  void addItem(const std::u16string& text) override { items_.add(text, 0); }
  int count() const override { return items_.count(); }
  std::u16string itemText(int index) const override { return items_.text(index); }
  int listIndex() const override { return items_.selected(); }
  void setListIndex(int index) override { items_.select(index); }

private:
  ItemList items_;
};

} // namespace velmora::win32
