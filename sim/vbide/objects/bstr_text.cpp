#include "sim/vbide/objects/bstr_text.hpp"

#include <new>

namespace velmora::sim::vbide {

BSTR makeBstr(std::u16string_view text) {
  BSTR result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                  static_cast<UINT>(text.size()));
  if (result == nullptr) {
    throw std::bad_alloc();
  }
  return result;
}

std::u16string bstrText(BSTR text) {
  if (text == nullptr) {
    return {};
  }
  return {reinterpret_cast<const char16_t*>(text), SysStringLen(text)};
}

} // namespace velmora::sim::vbide
