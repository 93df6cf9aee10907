#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// The DISPIDs the host gave for member names, by the kind of object asked (VBE, CodeModule, ...):
// each name is asked once per kind rather than once per call.
class DispatchNames {
public:
  std::optional<DISPID> find(std::u16string_view type, std::u16string_view member) const;
  void remember(std::u16string_view type, std::u16string_view member, DISPID id);
  std::size_t size() const { return ids_.size(); }

private:
  static std::u16string key(std::u16string_view type, std::u16string_view member);

  std::map<std::u16string, DISPID, std::less<>> ids_;
};

} // namespace velmora::win32
