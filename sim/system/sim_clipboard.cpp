#include "sim/system/sim_clipboard.hpp"

#include "support/error.hpp"

#include <stdexcept>
#include <utility>

namespace velmora::sim {

class SimClipboard::Snapshot final : public Clipboard::Saved {
public:
  explicit Snapshot(Contents saved) : contents(std::move(saved)) {}
  Contents contents;
};

std::unique_ptr<Clipboard::Saved> SimClipboard::save() {
  open();
  return std::make_unique<Snapshot>(contents_);
}

void SimClipboard::restore(const Saved& saved) {
  const auto* snapshot = dynamic_cast<const Snapshot*>(&saved);
  if (snapshot == nullptr) {
    throw std::invalid_argument("clipboard contents saved elsewhere");
  }
  open();
  set(snapshot->contents);
}

void SimClipboard::setPicture(const Bitmap& picture) {
  open();
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() !=
          static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
    throw HostError(u"The picture is not a valid bitmap.");
  }
  set(picture);
}

void SimClipboard::setText(std::u16string text) {
  set(std::move(text));
}

void SimClipboard::clear() {
  set(std::monostate{});
}

std::optional<std::u16string> SimClipboard::text() const {
  if (const auto* text = std::get_if<std::u16string>(&contents_)) {
    return *text;
  }
  return std::nullopt;
}

std::optional<Bitmap> SimClipboard::picture() const {
  if (const auto* picture = std::get_if<Bitmap>(&contents_)) {
    return *picture;
  }
  return std::nullopt;
}

void SimClipboard::open() const {
  if (heldElsewhere_) {
    throw HostError(u"Access is denied.");
  }
}

void SimClipboard::set(Contents contents) {
  contents_ = std::move(contents);
  ++sequence_;
}

} // namespace velmora::sim
