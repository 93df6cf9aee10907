#include "sim/codec/iconv_ansi_codec.hpp"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <vector>

namespace velmora::sim {

namespace {

constexpr char16_t kNoChar = 0xFFFF;
constexpr char kDefaultChar = '?';

class Converter {
public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    // iconv_open reports failure as (iconv_t)-1.
    if (reinterpret_cast<std::intptr_t>(cd_) == -1) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input, or returns nothing; `incomplete` tells a truncated sequence.
  std::optional<std::string> run(std::string_view input, bool* incomplete = nullptr) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    std::array<char, 16> out{};
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
    if (incomplete != nullptr) {
      *incomplete = result == static_cast<std::size_t>(-1) && errno == EINVAL;
    }
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
      return std::nullopt;
    }
    return std::string(out.data(), static_cast<std::size_t>(outPtr - out.data()));
  }

private:
  iconv_t cd_;
};

// One UTF-16 unit from iconv's UTF-16LE output, or nothing when it is not exactly one.
std::optional<char16_t> singleUnit(const std::optional<std::string>& utf16) {
  if (!utf16 || utf16->size() != 2) {
    return std::nullopt;
  }
  const auto low = static_cast<unsigned char>((*utf16)[0]);
  const auto high = static_cast<unsigned char>((*utf16)[1]);
  return static_cast<char16_t>(low | (high << 8));
}

std::string utf16le(char16_t c) {
  return {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
}

bool isCodePage932(const std::string& name) {
  std::string upper;
  for (const char c : name) {
    upper += static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
  }
  return upper == "CP932" || upper == "WINDOWS-31J" || upper == "MS932";
}

} // namespace

struct IconvAnsiCodec::Tables {
  std::array<char16_t, 256> single{};  // kNoChar: no character
  std::array<bool, 256> lead{};        // starts a double-byte character
  std::vector<char16_t> pairs;         // (lead << 8 | trail) to character; kNoChar: none
  std::vector<std::uint16_t> encoding; // character to byte (< 0x100) or pair; 0: none
};

namespace {

std::shared_ptr<const IconvAnsiCodec::Tables> buildTables(const std::string& codePage) {
  auto tables = std::make_shared<IconvAnsiCodec::Tables>();
  Converter toUnicode("UTF-16LE", codePage.c_str());
  Converter fromUnicode(codePage.c_str(), "UTF-16LE");
  tables->single.fill(kNoChar);
  tables->single[0] = 0;
  tables->encoding.assign(0x10000, 0);
  tables->pairs.assign(0x10000, kNoChar);

  std::vector<std::pair<std::uint16_t, char16_t>> decoded; // code, character
  for (unsigned b = 1; b < 256; ++b) {
    bool incomplete = false;
    const std::string byte(1, static_cast<char>(b));
    const std::optional<char16_t> c = singleUnit(toUnicode.run(byte, &incomplete));
    if (c) {
      tables->single[b] = *c;
      decoded.emplace_back(static_cast<std::uint16_t>(b), *c);
    } else if (incomplete) {
      tables->lead[b] = true;
    }
  }
  for (unsigned leadByte = 0; leadByte < 256; ++leadByte) {
    if (!tables->lead[leadByte]) {
      continue;
    }
    for (unsigned trail = 1; trail < 256; ++trail) {
      const std::string bytes{static_cast<char>(leadByte), static_cast<char>(trail)};
      const std::optional<char16_t> c = singleUnit(toUnicode.run(bytes));
      if (c) {
        const auto code = static_cast<std::uint16_t>(leadByte << 8 | trail);
        tables->pairs[code] = *c;
        decoded.emplace_back(code, *c);
      }
    }
  }
  if (isCodePage932(codePage)) {
    // Single bytes that Windows maps and iconv does not.
    const std::array<std::pair<std::uint8_t, char16_t>, 5> extras{
        {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}}};
    for (const auto& [byte, c] : extras) {
      if (tables->single[byte] == kNoChar && !tables->lead[byte]) {
        tables->single[byte] = c;
        tables->encoding[c] = byte;
      }
    }
  }
  // A character encodes to what iconv makes of it, when that decodes back to it.
  for (const auto& [code, c] : decoded) {
    if (tables->encoding[c] != 0) {
      continue;
    }
    const std::optional<std::string> bytes = fromUnicode.run(utf16le(c));
    if (!bytes || bytes->empty() || bytes->size() > 2) {
      continue;
    }
    const auto first = static_cast<unsigned char>((*bytes)[0]);
    std::uint16_t encoded = first;
    char16_t back = tables->single[first];
    if (bytes->size() == 2) {
      encoded = static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>((*bytes)[1]));
      back = tables->pairs[encoded];
    }
    if (back == c) {
      tables->encoding[c] = encoded;
    }
  }
  return tables;
}

std::shared_ptr<const IconvAnsiCodec::Tables> sharedTables(const std::string& codePage) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const IconvAnsiCodec::Tables>> cache;
  const std::lock_guard<std::mutex> lock(mutex);
  auto& tables = cache[codePage];
  if (!tables) {
    tables = buildTables(codePage);
  }
  return tables;
}

} // namespace

IconvAnsiCodec::IconvAnsiCodec(const std::string& codePage, char16_t undecodable)
    : tables_(sharedTables(codePage)), undecodable_(undecodable) {}

std::string IconvAnsiCodec::encode(std::u16string_view text) const {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char16_t c : text) {
    if (c == 0) {
      out.push_back('\0');
      continue;
    }
    const std::uint16_t code = tables_->encoding[c];
    if (code == 0) {
      out.push_back(kDefaultChar);
    } else if (code < 0x100) {
      out.push_back(static_cast<char>(code));
    } else {
      out.push_back(static_cast<char>(code >> 8));
      out.push_back(static_cast<char>(code & 0xFF));
    }
  }
  return out;
}

std::u16string IconvAnsiCodec::decode(std::string_view bytes) const {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (!tables_->lead[b]) {
      const char16_t c = tables_->single[b];
      out.push_back(c == kNoChar ? undecodable_ : c);
      ++i;
      continue;
    }
    if (i + 1 == bytes.size() || static_cast<unsigned char>(bytes[i + 1]) < 0x40) {
      out.push_back(undecodable_);
      ++i;
      continue;
    }
    const auto code = static_cast<std::uint16_t>(b << 8 | static_cast<unsigned char>(bytes[i + 1]));
    const char16_t c = tables_->pairs[code];
    out.push_back(c == kNoChar ? undecodable_ : c);
    i += 2;
  }
  return out;
}

} // namespace velmora::sim
