#pragma once

#include <exception>
#include <string>

namespace velmora {

// An error raised by an operation, carrying the description that the user is shown
// (the host's own description for host failures, a description of ours otherwise).
class Error : public std::exception {
public:
  explicit Error(std::u16string description);

  const std::u16string& description() const noexcept { return description_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

private:
  std::u16string description_;
  std::string utf8_;
};

// A failure reported by the host (the IDE's object model or the system behind a port).
class HostError : public Error {
public:
  using Error::Error;
};

} // namespace velmora
