#include "sim/vbide/objects/face_image.hpp"

namespace velmora::sim::vbide {

namespace {

// A memory device context with one bitmap selected, for as long as it lives.
class BitmapDc {
public:
  explicit BitmapDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ != nullptr) {
      old_ = SelectObject(dc_, bitmap);
    }
  }
  BitmapDc(const BitmapDc&) = delete;
  BitmapDc& operator=(const BitmapDc&) = delete;
  ~BitmapDc() {
    if (dc_ != nullptr) {
      SelectObject(dc_, old_);
      DeleteDC(dc_);
    }
  }
  HDC get() const { return dc_; }

private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

} // namespace

std::shared_ptr<const FaceImage> FaceImage::copyOf(HBITMAP bitmap) {
  auto* copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
  if (copy == nullptr) {
    return nullptr;
  }
  return std::make_shared<const FaceImage>(copy);
}

std::shared_ptr<const FaceImage> FaceImage::fromClipboard() {
  if (!OpenClipboard(nullptr)) {
    return nullptr;
  }
  std::shared_ptr<const FaceImage> face;
  if (auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
    face = copyOf(bitmap);
  }
  CloseClipboard();
  return face;
}

FaceImage::FaceImage(HBITMAP bitmap) : bitmap_(bitmap) {
  BITMAP info{};
  if (GetObjectW(bitmap_, sizeof info, &info) != 0) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  }
}

FaceImage::~FaceImage() {
  DeleteObject(bitmap_);
}

COLORREF FaceImage::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return CLR_INVALID;
  }
  const BitmapDc dc(bitmap_);
  return dc.get() != nullptr ? GetPixel(dc.get(), x, y) : CLR_INVALID;
}

void FaceImage::draw(HDC target, int x, int y) const {
  const BitmapDc dc(bitmap_);
  if (dc.get() != nullptr) {
    BitBlt(target, x, y, width_, height_, dc.get(), 0, 0, SRCCOPY);
  }
}

} // namespace velmora::sim::vbide
