#pragma once

#include <memory>
#include <windows.h>

namespace velmora::sim::vbide {

// The face of a command-bar button: a copy of a bitmap, owned and drawn by the IDE.
class FaceImage {
public:
  // A copy of the bitmap on the system clipboard (CF_BITMAP, which the system also makes from
  // a device-independent bitmap); null when the clipboard holds no bitmap or cannot be opened.
  static std::shared_ptr<const FaceImage> fromClipboard();
  // A copy of `bitmap` (which stays the caller's); null when the system refuses.
  static std::shared_ptr<const FaceImage> copyOf(HBITMAP bitmap);

  explicit FaceImage(HBITMAP bitmap);
  FaceImage(const FaceImage&) = delete;
  FaceImage& operator=(const FaceImage&) = delete;
  ~FaceImage();

  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The colour of one pixel (CLR_INVALID outside the picture).
  COLORREF pixel(int x, int y) const;
  // Draws the face with its top left corner at (x, y).
  void draw(HDC target, int x, int y) const;

private:
  HBITMAP bitmap_;
  int width_ = 0;
  int height_ = 0;
};

} // namespace velmora::sim::vbide
