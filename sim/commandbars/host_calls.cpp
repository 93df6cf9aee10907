#include "sim/commandbars/host_calls.hpp"

#include "support/error.hpp"
#include "support/utf.hpp"

namespace velmora::sim {

void HostCalls::enter(const std::string& call) {
  log_.push_back(call);
  if (journal_ != nullptr) {
    journal_->push_back(call);
  }
  bool fail = false;
  if (failCountdown_ > 0 && --failCountdown_ == 0) {
    fail = true;
  }
  if (!faultCall_.empty() && call == faultCall_ && ++seenOfFault_ == faultOccurrence_) {
    faultCall_.clear();
    fail = true;
  }
  if (fail) {
    throw HostError(u"メソッド '" + fromUtf8(call) + u"' は失敗しました。");
  }
}

void HostCalls::failAt(const std::string& call, int occurrence) {
  faultCall_ = call;
  faultOccurrence_ = occurrence;
  seenOfFault_ = 0;
}

void HostCalls::failNth(int n) {
  failCountdown_ = n;
}

void HostCalls::clearFaults() {
  faultCall_.clear();
  failCountdown_ = 0;
}

} // namespace velmora::sim
