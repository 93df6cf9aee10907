#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>
// The list view's declarations need those of windows.h.
#include <commctrl.h>

namespace velmora::testing {

// What lists show, read from their windows.

inline std::vector<std::wstring> listBoxItems(HWND list) {
  std::vector<std::wstring> items;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    const auto length =
        static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0));
    std::vector<wchar_t> buffer(length + 1);
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(buffer.data()));
    items.emplace_back(buffer.data());
  }
  return items;
}

struct ComboItem {
  std::wstring text;
  std::int32_t data = 0;
  friend bool operator==(const ComboItem&, const ComboItem&) = default;
};

inline std::vector<ComboItem> comboItems(HWND combo) {
  std::vector<ComboItem> items;
  const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    const auto length = static_cast<std::size_t>(
        SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0));
    std::vector<wchar_t> buffer(length + 1);
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(buffer.data()));
    const auto data = static_cast<std::int32_t>(
        SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
    items.push_back({buffer.data(), data});
  }
  return items;
}

inline std::wstring listViewCell(HWND view, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

// Each row as its two cells.
using Rows = std::vector<std::vector<std::wstring>>;

inline Rows listViewRows(HWND view) {
  Rows rows;
  const auto count = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    rows.push_back({listViewCell(view, row, 0), listViewCell(view, row, 1)});
  }
  return rows;
}

// The selected rows, from the top.
inline std::vector<int> selectedListViewRows(HWND view) {
  std::vector<int> selected;
  for (auto row = static_cast<int>(SendMessageW(view, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
       row >= 0; row = static_cast<int>(SendMessageW(view, LVM_GETNEXTITEM,
                                                     static_cast<WPARAM>(row), LVNI_SELECTED))) {
    selected.push_back(row);
  }
  return selected;
}

} // namespace velmora::testing
