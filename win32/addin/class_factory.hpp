#pragma once

#include "addin/server_module.hpp"

#include <atomic>
#include <unknwn.h>
#include <windows.h>

namespace velmora::win32 {

// Makes connect objects. A factory counts as a live object of the library, so that the library
// stays loaded while anyone holds one. Only its Release deletes it, hence the private destructor.
// NOLINTNEXTLINE(cppcoreguidelines-virtual-class-destructor)
class ClassFactory final : public IClassFactory {
public:
  // Makes a factory and hands out its `iid` interface.
  static HRESULT create(REFIID iid, void** out) noexcept;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
  ClassFactory() = default;
  virtual ~ClassFactory() = default;

  server::ObjectReference counted_;
  std::atomic<ULONG> references_{1};
};

} // namespace velmora::win32
