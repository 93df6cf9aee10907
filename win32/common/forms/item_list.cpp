#include "forms/item_list.hpp"

#include "forms/form_control.hpp"
#include "forms/wide_text.hpp"
#include "support/error.hpp"

namespace velmora::win32 {

const ItemMessages& ItemMessages::listBox() {
  static const ItemMessages messages{LB_RESETCONTENT, LB_ADDSTRING,   LB_GETCOUNT,
                                     LB_GETTEXT,      LB_GETTEXTLEN,  LB_GETCURSEL,
                                     LB_SETCURSEL,    LB_GETITEMDATA, LB_SETITEMDATA};
  return messages;
}

const ItemMessages& ItemMessages::comboBox() {
  static const ItemMessages messages{CB_RESETCONTENT, CB_ADDSTRING,    CB_GETCOUNT,
                                     CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_GETCURSEL,
                                     CB_SETCURSEL,    CB_GETITEMDATA,  CB_SETITEMDATA};
  return messages;
}

void ItemList::clear() const {
  send(messages_->reset);
}

void ItemList::add(const std::u16string& text, std::int32_t data) const {
  const std::wstring entry = wide(text);
  const LRESULT index = send(messages_->add, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  if (index < 0) {
    throw HostError(u"リストに項目を追加できません。");
  }
  send(messages_->setData, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

int ItemList::count() const {
  return static_cast<int>(send(messages_->count));
}

std::u16string ItemList::text(int index) const {
  check(index);
  const LRESULT length = send(messages_->getTextLength, static_cast<WPARAM>(index));
  if (length <= 0) {
    return {};
  }
  std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      send(messages_->getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
  entry.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return utf16(entry);
}

std::int32_t ItemList::data(int index) const {
  check(index);
  return static_cast<std::int32_t>(send(messages_->getData, static_cast<WPARAM>(index)));
}

int ItemList::selected() const {
  const LRESULT index = send(messages_->getSelection);
  return index < 0 ? -1 : static_cast<int>(index);
}

void ItemList::select(int index) const {
  if (index != -1) {
    check(index);
  }
  send(messages_->setSelection, static_cast<WPARAM>(index));
}

int ItemList::find(const std::u16string& text) const {
  // Exact and case-sensitive, unlike the controls' own search.
  for (int index = 0; index < count(); ++index) {
    if (this->text(index) == text) {
      return index;
    }
  }
  return -1;
}

void ItemList::check(int index) const {
  if (index < 0 || index >= count()) {
    throw Error(kInvalidValue);
  }
}

} // namespace velmora::win32
