#include <windows.h>

#include "plugin_loader.h"

namespace refhost {

void* load_plugin(const std::string& path, std::string& error) {
  HMODULE plugin = LoadLibraryA(path.c_str());
  if (plugin == nullptr) error = "LoadLibraryA failed, error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(plugin);
}

void unload_plugin(void* plugin) { FreeLibrary(static_cast<HMODULE>(plugin)); }

}  // namespace refhost
