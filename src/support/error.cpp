#include "support/error.hpp"

#include "support/utf.hpp"

#include <new>

namespace velmora {

namespace {

constexpr char16_t kOutOfMemory[] = u"メモリが不足しています。";
constexpr char16_t kUndescribed[] = u"アプリケーション定義またはオブジェクト定義のエラーです。";

} // namespace

Error::Error(std::u16string description)
    : description_(std::move(description)), utf8_(toUtf8(description_)) {}

std::u16string describeFailure(const std::exception& failure) {
  if (const auto* error = dynamic_cast<const Error*>(&failure)) {
    return error->description();
  }
  if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
    return kOutOfMemory;
  }
  std::u16string said = fromUtf8(failure.what());
  return said.empty() ? std::u16string(kUndescribed) : said;
}

} // namespace velmora
