#include "com/embedded_type_info.hpp"

#include "com/com_boundary.hpp"
#include "com/module_path.hpp"

#include <string>

namespace velmora::win32 {

HRESULT EmbeddedTypeInfo::get(ITypeInfo** out) noexcept {
  if (out == nullptr) {
    return E_POINTER;
  }
  *out = nullptr;
  if (!info_) {
    const HRESULT result = load();
    if (FAILED(result)) {
      return result;
    }
  }
  *out = ComPtr(info_).detach();
  return S_OK;
}

HRESULT EmbeddedTypeInfo::load() noexcept {
  return comBoundary(iid_, [this]() -> HRESULT {
    std::wstring path = moduleFileName(module_);
    if (resource_ != 1) {
      path += L'\\' + std::to_wstring(resource_);
    }
    ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.put());
    if (FAILED(result)) {
      return result;
    }
    ComPtr<ITypeInfo> info;
    result = library->GetTypeInfoOfGuid(iid_, info.put());
    if (FAILED(result)) {
      return result;
    }
    // A dual interface is listed as its dispinterface; its vtable half is the implemented type.
    HREFTYPE vtable = 0;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable))) {
      ComPtr<ITypeInfo> interfaceInfo;
      if (SUCCEEDED(info->GetRefTypeInfo(vtable, interfaceInfo.put()))) {
        info = interfaceInfo;
      }
    }
    info_ = info;
    return S_OK;
  });
}

} // namespace velmora::win32
