#include "sim/vbide/app/console_log.hpp"

#include "support/utf.hpp"

#include <cstdio>
#include <mutex>

namespace velmora::sim::vbide {

namespace {

std::mutex& outputLock() {
  static std::mutex lock;
  return lock;
}

} // namespace

void logLine(std::string_view utf8) {
  const std::lock_guard<std::mutex> hold(outputLock());
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void logLine(std::u16string_view text) {
  logLine(toUtf8(text));
}

void logIde(std::string_view utf8) {
  std::string line = "vbide-sim: ";
  line += utf8;
  logLine(line);
}

std::string utf8Of(std::wstring_view text) {
  return toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::string hresultText(long result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
  return text;
}

} // namespace velmora::sim::vbide
