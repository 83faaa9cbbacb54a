#include "host/message_box_hook.h"

#include <cstring>

namespace host {
namespace {

MessageBoxHook* recorder = nullptr;

bool SameNameIgnoringCase(const char* a, const char* b) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

// The import address table entry through which the module calls dllName!functionName.
void** ImportSlot(HMODULE module, const char* dllName, const char* functionName) {
  auto* base = reinterpret_cast<unsigned char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) {
    return nullptr;
  }
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) {
    return nullptr;
  }
  for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       import->Name != 0; ++import) {
    if (!SameNameIgnoringCase(reinterpret_cast<const char*>(base + import->Name), dllName)) {
      continue;
    }
    const DWORD namesRva =
        import->OriginalFirstThunk != 0 ? import->OriginalFirstThunk : import->FirstThunk;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + namesRva);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
        continue;
      }
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), functionName) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD old = 0;
  if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) {
    *slot = value;
    VirtualProtect(slot, sizeof *slot, old, &old);
  }
}

}  // namespace

MessageBoxHook::MessageBoxHook(HMODULE module) : module_(module) {
  if (module == nullptr) {
    return;
  }
  slot_ = ImportSlot(module, "user32.dll", "MessageBoxA");
  if (slot_ == nullptr) {
    return;
  }
  original_ = *slot_;
  WriteSlot(slot_, reinterpret_cast<void*>(&Recording));
  recorder = this;
}

MessageBoxHook::~MessageBoxHook() {
  if (recorder == this) {
    recorder = nullptr;
  }
  HMODULE stillLoaded = nullptr;
  if (slot_ != nullptr &&
      GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(slot_), &stillLoaded) &&
      stillLoaded == module_) {
    WriteSlot(slot_, original_);
  }
}

int WINAPI MessageBoxHook::Recording(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
  if (recorder != nullptr) {
    recorder->requests_.push_back({owner, text != nullptr ? text : "",
                                   caption != nullptr ? caption : "",
                                   static_cast<std::uint32_t>(flags)});
  }
  return MessageBoxA(owner, text, caption, flags);
}

}  // namespace host
