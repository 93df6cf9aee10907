#include "com/import_patch.hpp"

#include <cstring>

namespace velmora::test {

namespace {

void write(void** slot, void* value) {
  DWORD protection = 0;
  VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof(void*), protection, &protection);
}

} // namespace

ImportPatch::ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* entry =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       entry->Name != 0; ++entry) {
    if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), dll) != 0) {
      continue;
    }
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + entry->OriginalFirstThunk);
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
        continue;
      }
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        slot_ = reinterpret_cast<void**>(&addresses->u1.Function);
        original_ = *slot_;
        write(slot_, replacement);
        return;
      }
    }
  }
}

ImportPatch::~ImportPatch() {
  if (slot_ != nullptr) {
    write(slot_, original_);
  }
}

} // namespace velmora::test
