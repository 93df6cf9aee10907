#pragma once

#include <cstdint>
#include <string>
#include <windows.h>

namespace velmora::win32 {

// The messages by which a list box or a combo box keeps its entries.
struct ItemMessages {
  UINT reset, add, count, getText, getTextLength, getSelection, setSelection, getData, setData;

  static const ItemMessages& listBox();
  static const ItemMessages& comboBox();
};

// The entries of a list or combo box in the order they were added, each with a 32-bit value.
// Indexes outside the list are refused with an Error.
class ItemList {
public:
  ItemList(HWND window, const ItemMessages& messages) : window_(window), messages_(&messages) {}

  void clear() const;
  void add(const std::u16string& text, std::int32_t data) const;
  int count() const;
  std::u16string text(int index) const;
  std::int32_t data(int index) const;
  // -1: no entry selected.
  int selected() const;
  void select(int index) const;
  // The first entry whose text is exactly `text`, or -1.
  int find(const std::u16string& text) const;

private:
  void check(int index) const;
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(window_, message, wParam, lParam);
  }

  HWND window_;
  const ItemMessages* messages_;
};

} // namespace velmora::win32
