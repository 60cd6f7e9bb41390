#include <dlfcn.h>
#include <link.h>

#include "plugin_loader.h"

namespace refhost {

void* load_plugin(const std::string& path, std::string& error) {
  void* plugin = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (plugin == nullptr) error = dlerror();
  return plugin;
}

void unload_plugin(void* plugin) { dlclose(plugin); }

void plugin_extent(void* plugin, std::uint32_t& base, std::uint32_t& size) {
  link_map* map = nullptr;
  base = size = 0;
  if (dlinfo(plugin, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return;
  struct Found {
    ElfW(Addr) base;
    std::uint32_t end;
  } found{map->l_addr, 0};
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* context) {
        auto* f = static_cast<Found*>(context);
        if (info->dlpi_addr != f->base) return 0;
        for (int k = 0; k < info->dlpi_phnum; ++k) {
          const ElfW(Phdr)& p = info->dlpi_phdr[k];
          if (p.p_type == PT_LOAD && p.p_vaddr + p.p_memsz > f->end) {
            f->end = static_cast<std::uint32_t>(p.p_vaddr + p.p_memsz);
          }
        }
        return 1;
      },
      &found);
  base = static_cast<std::uint32_t>(map->l_addr);
  size = found.end;
}

}  // namespace refhost
