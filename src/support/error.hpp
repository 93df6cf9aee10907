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

// What the user is told of a failure that a trap caught: an Error's description; for any other
// error (one the standard library raised) Visual Basic's words where it has them ("メモリが不足
// しています。" when memory ran out), else what the error says of itself.
std::u16string describeFailure(const std::exception& failure);

} // namespace velmora
