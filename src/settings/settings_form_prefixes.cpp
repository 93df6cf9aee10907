#include "settings/proper_case.hpp"
#include "settings/settings_form.hpp"
#include "support/text.hpp"

#include <utility>

namespace velmora {

namespace {

constexpr char16_t kNoPrefix[] = u"接頭文字を指定してください";
constexpr char16_t kNoType[] = u"型を指定してください";

} // namespace

void SettingsForm::cmbAdd_Click() {
  TextBox& prefix = form_->textBox("txtSettouChar");
  TextBox& type = form_->textBox("txtKata");
  if (isBlank(prefix.text())) {
    say(kNoPrefix, false);
    prefix.setFocus();
    return;
  }
  if (isBlank(type.text())) {
    say(kNoType, false);
    type.setFocus();
    return;
  }
  type.setText(ProperCase(type.text()));
  // The row keeps the texts as typed; the spaces ignored by the tests above stay.
  form_->listView("ListView1").addRow({prefix.text(), type.text()});
  prefix.setText(u"");
  type.setText(u"");
  prefix.setFocus();
}

void SettingsForm::cmbDel_Click() {
  ListView& list = form_->listView("ListView1");
  const int selected = list.selectedRow();
  if (list.rowCount() > 0 && selected >= 0 && selected < list.rowCount()) {
    list.removeRow(selected);
  }
}

void SettingsForm::cmbUp_Click() {
  ListView& list = form_->listView("ListView1");
  const int selected = list.selectedRow();
  if (selected > 0 && selected < list.rowCount()) {
    swapRows(selected, selected - 1);
  }
}

void SettingsForm::cmbDown_Click() {
  ListView& list = form_->listView("ListView1");
  const int selected = list.selectedRow();
  if (selected >= 0 && selected + 1 < list.rowCount()) {
    swapRows(selected, selected + 1);
  }
}

// The entries of rows `from` and `to` change places and the selection follows the one that
// moved to `to`.
void SettingsForm::swapRows(int from, int to) {
  ListView& list = form_->listView("ListView1");
  for (int column = 0; column < 2; ++column) {
    std::u16string moving = list.cell(from, column);
    list.setCell(from, column, list.cell(to, column));
    list.setCell(to, column, moving);
  }
  list.selectRow(to);
}

void SettingsForm::selectAllOnFocus(TextBox& box) {
  box.select(0, static_cast<int>(box.text().size()));
}

} // namespace velmora
