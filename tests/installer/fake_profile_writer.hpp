#pragma once

#include "installer/profile_writer.hpp"
#include "support/error.hpp"

#include <string>
#include <vector>

namespace velmora::testing {

// Records the writes; answers with a refusal or an error when told to.
class FakeProfileWriter final : public ProfileWriter {
public:
  enum class Outcome { Accept, Refuse, Throw };

  struct Write {
    std::string file, section, key, value;
    friend bool operator==(const Write&, const Write&) = default;
  };

  explicit FakeProfileWriter(Outcome outcome = Outcome::Accept) : outcome_(outcome) {}

  bool write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override {
    writes.push_back(
        {std::string(file), std::string(section), std::string(key), std::string(value)});
    if (outcome_ == Outcome::Throw) {
      throw HostError(u"ファイルに書き込めません");
    }
    return outcome_ == Outcome::Accept;
  }

  std::vector<Write> writes;

private:
  Outcome outcome_;
};

} // namespace velmora::testing
