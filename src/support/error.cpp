#include "support/error.hpp"

#include "support/utf.hpp"

namespace velmora {

Error::Error(std::u16string description)
    : description_(std::move(description)), utf8_(toUtf8(description_)) {}

} // namespace velmora
