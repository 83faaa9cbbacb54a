#include "host/plugin_library.h"

#include <windows.h>

namespace host {
namespace {

template <class Proc>
Proc Find(HMODULE module, const char* name) {
  // GetProcAddress hands out a generic function address; the export's real type is Proc.
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    error_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  module_ = module;
  const auto initialize = Find<plugin::InitializeProc>(module, "pi_initialize");
  activate_ = Find<plugin::ActivateProc>(module, "pi_activate");
  finalize_ = Find<plugin::FinalizeProc>(module, "pi_finalize");
  if (initialize == nullptr || activate_ == nullptr || finalize_ == nullptr) {
    error_ = path + " lacks pi_initialize, pi_activate or pi_finalize";
    return;
  }
  initialize_ = initialize;
}

PluginLibrary::~PluginLibrary() {
  if (module_ != nullptr) {
    FreeLibrary(static_cast<HMODULE>(module_));
  }
}

std::int32_t PluginLibrary::Initialize(plugin::HostServiceProc service, char* name,
                                       char* description, void* hostWindow) const {
  return initialize_(service, name, description, hostWindow);
}

void PluginLibrary::Activate() const { activate_(0, 0); }

void PluginLibrary::Finalize() const { finalize_(0); }

}  // namespace host
