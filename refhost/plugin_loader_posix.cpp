#include <dlfcn.h>

#include "plugin_loader.h"

namespace refhost {

void* load_plugin(const std::string& path, std::string& error) {
  void* plugin = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (plugin == nullptr) error = dlerror();
  return plugin;
}

void unload_plugin(void* plugin) { dlclose(plugin); }

}  // namespace refhost
