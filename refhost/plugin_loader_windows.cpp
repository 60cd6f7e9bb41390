#include <windows.h>

#include "plugin_loader.h"

namespace refhost {

void* load_plugin(const std::string& path, std::string& error) {
  HMODULE plugin = LoadLibraryA(path.c_str());
  if (plugin == nullptr) error = "LoadLibraryA failed, error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(plugin);
}

void unload_plugin(void* plugin) { FreeLibrary(static_cast<HMODULE>(plugin)); }

// A module handle is its base address; the PE header gives the image's size.
void plugin_extent(void* plugin, std::uint32_t& base, std::uint32_t& size) {
  const auto* bytes = static_cast<const std::uint8_t*>(plugin);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes + dos->e_lfanew);
  base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(plugin));
  size = nt->OptionalHeader.SizeOfImage;
}

}  // namespace refhost
