#include "host/dispatch_names.hpp"

namespace velmora::win32 {

std::u16string DispatchNames::key(std::u16string_view type, std::u16string_view member) {
  std::u16string result(type);
  result += u'.';
  result += member;
  return result;
}

std::optional<DISPID> DispatchNames::find(std::u16string_view type,
                                          std::u16string_view member) const {
  const auto found = ids_.find(key(type, member));
  if (found == ids_.end()) {
    return std::nullopt;
  }
  return found->second;
}

void DispatchNames::remember(std::u16string_view type, std::u16string_view member, DISPID id) {
  ids_[key(type, member)] = id;
}

} // namespace velmora::win32
