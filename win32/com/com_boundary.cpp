#include "com/com_boundary.hpp"

#include "com/com_ptr.hpp"

namespace velmora::win32 {

void setErrorInfo(const IID& iid, const std::u16string& description) noexcept {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.put()))) {
    return;
  }
  create->SetGUID(iid);
  // The description is copied by SetDescription; wchar_t and char16_t are both UTF-16 here.
  create->SetDescription(
      const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(description.c_str())));
  if (ComPtr<IErrorInfo> info = create.as<IErrorInfo>(IID_IErrorInfo)) {
    SetErrorInfo(0, info.get());
  }
}

} // namespace velmora::win32
