#include "sim/ide/file_bytes.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace velmora::sim {

std::filesystem::path pathOf(std::u16string_view name) {
  const std::string utf8 = toUtf8(name);
  return {std::u8string(utf8.begin(), utf8.end())};
}

std::u16string nameOf(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return fromUtf8(std::string(utf8.begin(), utf8.end()));
}

namespace {

// The system reads a file name up to its first NUL, so a name holding one would open another
// file than the one it spells.
void refuseNul(const std::filesystem::path& path) {
  if (path.native().find(std::filesystem::path::value_type{}) !=
      std::filesystem::path::string_type::npos) {
    std::u16string shown = nameOf(path);
    std::replace(shown.begin(), shown.end(), u'\0', u'\u2400');
    throw Error(u"ファイル名に NUL 文字があります: " + shown);
  }
}

} // namespace

std::string readFileBytes(const std::filesystem::path& path) {
  refuseNul(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw Error(u"ファイルを開けません: " + nameOf(path));
  }
  std::string bytes;
  bool read = false;
  try {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      read = !in.bad();
    }
  } catch (const std::ios_base::failure&) {
    // The file buffer reports a failed read (an I/O error) by throwing, whatever the stream's
    // exception mask says.
  }
  if (!read) {
    throw Error(u"ファイルを読み込めません: " + nameOf(path));
  }
  return bytes;
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  refuseNul(path);
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw Error(u"ファイルに書き込めません: " + nameOf(path));
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw Error(u"ファイルに書き込めません: " + nameOf(path));
  }
}

} // namespace velmora::sim
