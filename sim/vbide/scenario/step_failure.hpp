#pragma once

#include <exception>
#include <string>

namespace velmora::sim::vbide {

// A scenario step that did not do what it says; the message tells why (UTF-8).
class StepFailure : public std::exception {
public:
  explicit StepFailure(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

} // namespace velmora::sim::vbide
