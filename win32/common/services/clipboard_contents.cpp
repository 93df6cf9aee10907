#include "services/clipboard_contents.hpp"

#include <cstddef>
#include <cstring>
#include <utility>

namespace velmora::win32 {

namespace {

enum class DataKind { Memory, Bitmap, EnhancedMetafile, Palette, Unknown };

DataKind kindOf(UINT format) {
  switch (format) {
  case CF_BITMAP:
  case CF_DSPBITMAP:
    return DataKind::Bitmap;
  case CF_ENHMETAFILE:
  case CF_DSPENHMETAFILE:
    return DataKind::EnhancedMetafile;
  case CF_PALETTE:
    return DataKind::Palette;
  case CF_METAFILEPICT:
  case CF_DSPMETAFILEPICT:
  case CF_OWNERDISPLAY:
    return DataKind::Unknown;
  default:
    break;
  }
  if ((format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST) ||
      (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST)) {
    return DataKind::Unknown;
  }
  return DataKind::Memory;
}

std::vector<std::byte> copyMemory(HANDLE data) {
  auto* memory = static_cast<HGLOBAL>(data);
  const SIZE_T size = GlobalSize(memory);
  const void* source = size != 0 ? GlobalLock(memory) : nullptr;
  if (source == nullptr) {
    return {};
  }
  std::vector<std::byte> bytes(size);
  std::memcpy(bytes.data(), source, size);
  GlobalUnlock(memory);
  return bytes;
}

HGLOBAL memoryFrom(const std::vector<std::byte>& bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (target == nullptr) {
    if (memory != nullptr) {
      GlobalFree(memory);
    }
    return nullptr;
  }
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(memory);
  return memory;
}

// A palette as a LOGPALETTE block, the form CreatePalette takes.
std::vector<std::byte> copyPalette(HANDLE data) {
  auto* palette = static_cast<HPALETTE>(data);
  const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
  if (count == 0) {
    return {};
  }
  std::vector<std::byte> bytes(offsetof(LOGPALETTE, palPalEntry) + count * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(bytes.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(count);
  GetPaletteEntries(palette, 0, count, logical->palPalEntry);
  return bytes;
}

void release(DataKind kind, HANDLE handle) {
  if (handle == nullptr) {
    return;
  }
  switch (kind) {
  case DataKind::Memory:
    GlobalFree(handle);
    break;
  case DataKind::Bitmap:
  case DataKind::Palette:
    DeleteObject(handle);
    break;
  case DataKind::EnhancedMetafile:
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
    break;
  case DataKind::Unknown:
    break;
  }
}

} // namespace

struct ClipboardContents::Item {
  UINT format = 0;
  DataKind kind = DataKind::Unknown;
  std::vector<std::byte> bytes; // memory blocks and palettes
  HANDLE object = nullptr;      // a copy of a bitmap or metafile, owned

  Item() = default;
  Item(Item&& other) noexcept
      : format(other.format), kind(other.kind), bytes(std::move(other.bytes)),
        object(std::exchange(other.object, nullptr)) {}
  Item& operator=(Item&&) = delete;
  ~Item() { release(kind, object); }

  // A new handle holding the data, for the clipboard to own; null when it cannot be made.
  HANDLE duplicate() const {
    switch (kind) {
    case DataKind::Memory:
      return memoryFrom(bytes);
    case DataKind::Bitmap:
      return CopyImage(object, IMAGE_BITMAP, 0, 0, 0);
    case DataKind::EnhancedMetafile:
      return CopyEnhMetaFileW(static_cast<HENHMETAFILE>(object), nullptr);
    case DataKind::Palette:
      return bytes.empty() ? nullptr
                           : CreatePalette(reinterpret_cast<const LOGPALETTE*>(bytes.data()));
    case DataKind::Unknown:
      break;
    }
    return nullptr;
  }
};

ClipboardContents::ClipboardContents() = default;
ClipboardContents::~ClipboardContents() = default;

std::unique_ptr<ClipboardContents> ClipboardContents::capture() {
  auto contents = std::make_unique<ClipboardContents>();
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    Item item;
    item.format = format;
    item.kind = kindOf(format);
    if (item.kind == DataKind::Unknown) {
      continue;
    }
    HANDLE data = GetClipboardData(format);
    if (data == nullptr) {
      continue;
    }
    switch (item.kind) {
    case DataKind::Memory:
      item.bytes = copyMemory(data);
      if (item.bytes.empty()) {
        continue;
      }
      break;
    case DataKind::Bitmap:
      item.object = CopyImage(data, IMAGE_BITMAP, 0, 0, 0);
      break;
    case DataKind::EnhancedMetafile:
      item.object = CopyEnhMetaFileW(static_cast<HENHMETAFILE>(data), nullptr);
      break;
    case DataKind::Palette:
      item.bytes = copyPalette(data);
      break;
    case DataKind::Unknown:
      break;
    }
    if (item.object == nullptr && item.bytes.empty()) {
      continue;
    }
    contents->items_.push_back(std::move(item));
  }
  return contents;
}

bool ClipboardContents::putBack() const {
  bool all = true;
  for (const Item& item : items_) {
    HANDLE data = item.duplicate();
    if (data == nullptr || SetClipboardData(item.format, data) == nullptr) {
      release(item.kind, data);
      all = false;
    }
  }
  return all;
}

std::size_t ClipboardContents::formats() const {
  return items_.size();
}

} // namespace velmora::win32
