#pragma once

#include "forms/child_window.hpp"
#include "forms/form_control.hpp"

#include <memory>
#include <string>
#include <vector>

namespace velmora::win32 {

// A report-style list view: the layout's columns, equally wide; whole rows
// are selected, one at a time; rows are edited by the program only. Rows and columns outside
// the list are refused with an Error.
class ListViewWindow final : public WindowedControl<ListView> {
public:
  ListViewWindow(HWND window, FocusMemory& focus, int columns)
      : WindowedControl(window, focus), columns_(columns) {}
  static std::unique_ptr<ListViewWindow> create(const ControlSpec& spec, const RECT& place, int id,
                                                const ControlContext& context);

  void clearRows() override;
  void addRow(const std::vector<std::u16string>& cells) override;
  void removeRow(int row) override;
  int rowCount() const override;
  std::u16string cell(int row, int column) const override;
  void setCell(int row, int column, const std::u16string& text) override;
  int selectedRow() const override;
  void selectRow(int row) override;

private:
  void checkRow(int row) const;
  void checkCell(int row, int column) const;
  void putText(int row, int column, const std::u16string& text);

  int columns_;
};

} // namespace velmora::win32
