#include "sim/vbide/app/ide_request.hpp"

#include "forms/handle_cast.hpp"
#include "support/error.hpp"
#include "support/utf.hpp"

#include <exception>

namespace velmora::sim::vbide {

IdeRequest::IdeRequest(std::function<std::string()> work_)
    : work(std::move(work_)), done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

IdeRequest::~IdeRequest() {
  if (done != nullptr) {
    CloseHandle(done);
  }
}

void IdeRequest::perform() noexcept {
  try {
    output = work();
  } catch (const Error& error) {
    failed = true;
    output = toUtf8(error.description());
  } catch (const std::exception& error) {
    failed = true;
    output = error.what();
  } catch (...) {
    failed = true;
    output = "unknown failure";
  }
  SetEvent(done);
}

bool postRequest(HWND window, const std::shared_ptr<IdeRequest>& request) {
  // The message owns the copy from here on; takeRequest releases it.
  auto* carried = new std::shared_ptr<IdeRequest>(request);
  if (!PostMessageW(window, kIdeRequestMessage, 0, reinterpret_cast<LPARAM>(carried))) {
    delete carried;
    return false;
  }
  return true; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
}

std::shared_ptr<IdeRequest> takeRequest(LPARAM carried) {
  auto* request = win32::fromInteger<std::shared_ptr<IdeRequest>*>(carried);
  std::shared_ptr<IdeRequest> taken = std::move(*request);
  delete request;
  return taken;
}

} // namespace velmora::sim::vbide
