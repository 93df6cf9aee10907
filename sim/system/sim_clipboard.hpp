#pragma once

#include "ports/clipboard.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace velmora::sim {

// The desktop's clipboard: empty, a text or a picture.
//
// While another program holds the clipboard open (holdOpenElsewhere), every operation fails
// with a HostError, as opening it would. A picture whose size does not match its pixels is
// refused with a HostError. Every change of the contents counts in sequenceNumber().
class SimClipboard final : public Clipboard {
public:
  std::unique_ptr<Saved> save() override;
  // Throws std::invalid_argument for a Saved that this clipboard did not make.
  void restore(const Saved& saved) override;
  void setPicture(const Bitmap& picture) override;

  // What other programs (the test) do.
  void setText(std::u16string text);
  void clear();
  void holdOpenElsewhere(bool held) { heldElsewhere_ = held; }

  // Inspection.
  bool empty() const { return std::holds_alternative<std::monostate>(contents_); }
  std::optional<std::u16string> text() const;
  std::optional<Bitmap> picture() const;
  std::uint32_t sequenceNumber() const { return sequence_; }

private:
  using Contents = std::variant<std::monostate, std::u16string, Bitmap>;
  class Snapshot;

  void open() const;
  void set(Contents contents);

  Contents contents_;
  std::uint32_t sequence_ = 0;
  bool heldElsewhere_ = false;
};

} // namespace velmora::sim
