#pragma once

#include <ole2.h>
#include <string>
#include <string_view>

namespace velmora::sim::vbide {

// A BSTR holding `text`; throws std::bad_alloc when the system has no memory for it.
BSTR makeBstr(std::u16string_view text);
// The text of a BSTR (null reads as empty).
std::u16string bstrText(BSTR text);

// Owns one BSTR.
class Bstr {
public:
  Bstr() = default;
  explicit Bstr(std::u16string_view text) : text_(makeBstr(text)) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(text_); }

  BSTR get() const { return text_; }
  BSTR detach() {
    BSTR text = text_;
    text_ = nullptr;
    return text;
  }

private:
  BSTR text_ = nullptr;
};

} // namespace velmora::sim::vbide
