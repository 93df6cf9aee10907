#pragma once

#include <string>
#include <vector>

namespace velmora::sim {

// The calls an in-memory host object receives, in order, and the faults a test plants in them:
// an armed call raises HostError with a description like the host's instead of acting.
class HostCalls {
public:
  // Records `call` and raises when it is the planted fault.
  void enter(const std::string& call);

  // The `occurrence`-th call (1-based) named `call` fails from now on (once).
  void failAt(const std::string& call, int occurrence = 1);
  // The n-th call of any name (1-based, counting from now) fails.
  void failNth(int n);
  void clearFaults();

  const std::vector<std::string>& log() const { return log_; }
  // Every call is also appended to `journal` (shared with other recorders), while set.
  void journalTo(std::vector<std::string>* journal) { journal_ = journal; }
  void clearLog() { log_.clear(); }

private:
  std::vector<std::string> log_;
  std::vector<std::string>* journal_ = nullptr;
  std::string faultCall_;
  int faultOccurrence_ = 0;
  int seenOfFault_ = 0;
  int failCountdown_ = 0;
};

} // namespace velmora::sim
