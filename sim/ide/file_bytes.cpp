#include "sim/ide/file_bytes.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

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

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw Error(u"ファイルを開けません: " + nameOf(path));
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    throw Error(u"ファイルを読み込めません: " + nameOf(path));
  }
  return bytes;
}

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
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
