#pragma once
// Loading the plug-in binary the way the game's loader would.
#include <cstdint>
#include <string>

namespace refhost {

// Maps the plug-in, which runs its static initialisers; null on failure with
// the reason in `error`.
void* load_plugin(const std::string& path, std::string& error);

// Unmaps it, which runs its exit handlers.
void unload_plugin(void* plugin);

// Where the loaded plug-in's image lies: its base address and its size.
void plugin_extent(void* plugin, std::uint32_t& base, std::uint32_t& size);

}  // namespace refhost
