#pragma once
// The plug-in library as the host loads it: the file and its three entry points.

#include <string>

#include "plugin/exports.h"

namespace host {

class PluginLibrary {
 public:
  // Loads the library and finds its entry points by name; `Loaded()` tells whether both worked,
  // `Error()` what went wrong otherwise.
  explicit PluginLibrary(const std::string& path);
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;
  // Unloads the library.
  ~PluginLibrary();

  bool Loaded() const { return initialize_ != nullptr; }
  // The loaded module (an HMODULE), or null.
  void* Module() const { return module_; }
  const std::string& Error() const { return error_; }

  std::int32_t Initialize(plugin::HostServiceProc service, char* name, char* description,
                          void* hostWindow) const;
  void Activate() const;
  void Finalize() const;

 private:
  void* module_ = nullptr;
  plugin::InitializeProc initialize_ = nullptr;
  plugin::ActivateProc activate_ = nullptr;
  plugin::FinalizeProc finalize_ = nullptr;
  std::string error_;
};

}  // namespace host
