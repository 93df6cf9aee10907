#include "sim/vbide/objects/automation_error.hpp"

#include "sim/ide/host_messages.hpp"

#include <array>
#include <utility>

namespace velmora::sim::vbide {

HRESULT codeForDescription(const std::u16string& description) {
  static const std::array<std::pair<const char16_t*, int>, 3> numbers = {{
      {kSubscriptOutOfRange, 9},
      {kInvalidCallOrArgument, 5},
      {kProcedureNotDefined, 35},
  }};
  for (const auto& [text, number] : numbers) {
    if (description == text) {
      return vbErrorCode(number);
    }
  }
  return E_FAIL;
}

} // namespace velmora::sim::vbide
