#pragma once

#include "ports/bitmap.hpp"

#include <memory>

namespace velmora {

// The system clipboard, as far as the toolbar needs it.
class Clipboard {
public:
  // What the clipboard held, kept so that it can be put back.
  class Saved {
  public:
    virtual ~Saved() = default;
  };

  virtual ~Clipboard() = default;

  virtual std::unique_ptr<Saved> save() = 0;
  virtual void restore(const Saved& saved) = 0;
  virtual void setPicture(const Bitmap& picture) = 0;
};

} // namespace velmora
