#include "sim/vbide/app/ide_window.hpp"
#include "sim/vbide/scenario/scenario_steps.hpp"
#include "sim/vbide/scenario/step_failure.hpp"

#include <filesystem>
#include <fstream>
#include <vector>

// screenshot FILE: the screen under the IDE's window (with whatever stands on it, a dialog say)
// as a 24-bit BMP file. It shows something only with a display; Wine's null driver draws
// nothing to take.
namespace velmora::sim::vbide {

namespace {

void writeBitmap(const std::filesystem::path& file, int width, int height,
                 const std::vector<char>& pixels) {
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(pixels.size());
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42; // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + info.biSizeImage;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  if (!out) {
    throw StepFailure("the picture cannot be written");
  }
}

} // namespace

void screenshotStep(const ScenarioStep& step, ScenarioContext& context) {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(context.ide.window(), IdeWindow::kRedrawMessage, 0, 0, SMTO_NORMAL,
                          context.ide.timeout(), &answer) == 0) {
    throw StepFailure("the IDE's thread did not answer");
  }
  RECT area{};
  GetWindowRect(context.ide.window(), &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    throw StepFailure("the IDE's window has no size");
  }
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  const int rows = GetDIBits(memory, picture, 0, static_cast<UINT>(height), pixels.data(), &info,
                             DIB_RGB_COLORS);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) {
    throw StepFailure("the screen cannot be read");
  }
  const std::string& name = step.arguments[0];
  writeBitmap(std::filesystem::path(
                  std::u8string(reinterpret_cast<const char8_t*>(name.data()), name.size())),
              width, height, pixels);
}

} // namespace velmora::sim::vbide
