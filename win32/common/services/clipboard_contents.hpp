#pragma once

#include "ports/clipboard.hpp"

#include <cstddef>
#include <memory>
#include <vector>
#include <windows.h>

namespace velmora::win32 {

// A copy of what the clipboard holds, made while it is open and kept apart from it, so that it
// can be put back any number of times. Kept are the formats whose data are memory blocks (the
// texts, CF_DIB and CF_DIBV5, CF_LOCALE, CF_HDROP and every registered format), bitmaps
// (CF_BITMAP, CF_DSPBITMAP), enhanced metafiles and the palette. Formats whose data the copy
// cannot know how to duplicate (private and GDI-object ranges, owner display, old-style
// metafile pictures) are left out. Formats the system synthesised are kept like the others.
class ClipboardContents final : public Clipboard::Saved {
public:
  ClipboardContents();
  ~ClipboardContents() override;
  ClipboardContents(const ClipboardContents&) = delete;
  ClipboardContents& operator=(const ClipboardContents&) = delete;

  // The clipboard's formats, in the order it lists them; it must be open.
  static std::unique_ptr<ClipboardContents> capture();

  // Puts every format back, in the order captured, into the open and emptied clipboard. A
  // format the system refuses is skipped and the rest still go in; false when one was refused.
  bool putBack() const;

  std::size_t formats() const;

private:
  struct Item;
  std::vector<Item> items_;
};

} // namespace velmora::win32
