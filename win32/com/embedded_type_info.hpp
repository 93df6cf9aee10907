#pragma once

#include "com/com_ptr.hpp"

#include <oleauto.h>
#include <windows.h>

namespace velmora::win32 {

// The type information of one interface, read on first use from a type library embedded in a
// module as a TYPELIB resource. The library is loaded without being registered. For a dual
// interface it is the vtable description, which ITypeInfo::Invoke calls through.
class EmbeddedTypeInfo {
public:
  EmbeddedTypeInfo(HMODULE module, int resource, const IID& iid) noexcept
      : module_(module), resource_(resource), iid_(iid) {}

  // An added reference to the type information, or the failure of loading it.
  HRESULT get(ITypeInfo** out) noexcept;
  const IID& iid() const noexcept { return iid_; }

private:
  HRESULT load() noexcept;

  HMODULE module_;
  int resource_;
  IID iid_;
  ComPtr<ITypeInfo> info_;
};

} // namespace velmora::win32
