#pragma once

#include "forms/win32_message_boxes.hpp"
#include "forms/window_class.hpp"
#include "ports/forms_toolkit.hpp"

#include <memory>
#include <windows.h>

namespace velmora::win32 {

// The forms toolkit on Win32: real windows built from the layouts, and system message boxes.
// One per thread that shows forms; it must outlive the forms it loads.
class Win32FormsToolkit final : public FormsToolkit {
public:
  Win32FormsToolkit();
  ~Win32FormsToolkit() override;
  Win32FormsToolkit(const Win32FormsToolkit&) = delete;
  Win32FormsToolkit& operator=(const Win32FormsToolkit&) = delete;

  std::unique_ptr<Form> load(const FormSpec& spec) override;
  MessageResult show(const Message& message) override { return boxes_.show(message); }

  // The hidden window that owns the forms kept off the task bar.
  HWND owner() const { return owner_; }

private:
  WindowClass formClass_;
  WindowClass ownerClass_;
  HWND owner_ = nullptr;
  Win32MessageBoxes boxes_;
};

} // namespace velmora::win32
