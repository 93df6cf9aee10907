#pragma once

#include <windows.h>

namespace velmora::test {

// Redirects the calls that `module` makes to an imported function, by rewriting the module's
// import address table, for the scope's lifetime. Lets a test make a system call fail inside
// the server as it would on a locked-down machine.
class ImportPatch {
public:
  ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement);
  ~ImportPatch();
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;

  bool applied() const { return slot_ != nullptr; }

private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

} // namespace velmora::test
