#include "forms/list_view_window.hpp"

#include "forms/wide_text.hpp"
#include "support/error.hpp"

#include <commctrl.h>

namespace velmora::win32 {

std::unique_ptr<ListViewWindow> ListViewWindow::create(const ControlSpec& spec, const RECT& place,
                                                       int id, const ControlContext& context) {
  HWND window = createChildWindow(
      spec,
      {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
       WS_EX_CLIENTEDGE, true},
      place, id, context);
  SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client{};
  GetClientRect(window, &client);
  const int columns = static_cast<int>(spec.columns.size());
  const int width =
      columns > 0 ? (client.right - client.left - GetSystemMetrics(SM_CXVSCROLL)) / columns : 0;
  for (int index = 0; index < columns; ++index) {
    std::wstring header = wide(spec.columns[static_cast<std::size_t>(index)].header);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = width;
    column.pszText = header.data();
    column.iSubItem = index;
    if (SendMessageW(window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column)) < 0) {
      throw HostError(u"リストビューに列を追加できません。");
    }
  }
  return std::make_unique<ListViewWindow>(window, *context.focus, columns);
}

void ListViewWindow::clearRows() {
  send(LVM_DELETEALLITEMS);
}

void ListViewWindow::addRow(const std::vector<std::u16string>& cells) {
  if (cells.size() > static_cast<std::size_t>(columns_)) {
    throw Error(kInvalidValue);
  }
  std::wstring first = cells.empty() ? std::wstring() : wide(cells.front());
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = rowCount();
  item.pszText = first.data();
  const auto row = static_cast<int>(send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) {
    throw HostError(u"リストビューに行を追加できません。");
  }
  for (std::size_t column = 1; column < cells.size(); ++column) {
    putText(row, static_cast<int>(column), cells[column]);
  }
}

void ListViewWindow::removeRow(int row) {
  checkRow(row);
  send(LVM_DELETEITEM, static_cast<WPARAM>(row));
}

int ListViewWindow::rowCount() const {
  return static_cast<int>(send(LVM_GETITEMCOUNT));
}

std::u16string ListViewWindow::cell(int row, int column) const {
  checkCell(row, column);
  std::wstring text(64, L'\0');
  for (;;) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto copied = static_cast<std::size_t>(
        send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (copied + 1 < text.size()) {
      text.resize(copied);
      return utf16(text);
    }
    text.resize(text.size() * 2);
  }
}

void ListViewWindow::setCell(int row, int column, const std::u16string& text) {
  checkCell(row, column);
  putText(row, column, text);
}

int ListViewWindow::selectedRow() const {
  return static_cast<int>(send(LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void ListViewWindow::selectRow(int row) {
  if (row != -1) {
    checkRow(row);
  }
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  send(LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
  if (row == -1) {
    return;
  }
  LVITEMW chosen{};
  chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
  send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&chosen));
  send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void ListViewWindow::checkRow(int row) const {
  if (row < 0 || row >= rowCount()) {
    throw Error(kInvalidValue);
  }
}

void ListViewWindow::checkCell(int row, int column) const {
  checkRow(row);
  if (column < 0 || column >= columns_) {
    throw Error(kInvalidValue);
  }
}

void ListViewWindow::putText(int row, int column, const std::u16string& text) {
  std::wstring value = wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = value.data();
  send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace velmora::win32
