#pragma once
// The host's texture-dictionary store: named slots holding the host's own
// dictionaries, the dictionaries read from files, the current dictionary with
// the one it stores for PopCurrent, and the textures themselves. The HostTxd routines live
// here; the stream reader (streams.h) and the sprite holders (sprites.h) build
// on it. Every call is recorded in the draw log.
//
// Host memory: a dictionary handle is opaque to the plug-in; a texture handle
// points at a record whose first 32-bit field is the texture's raster, a
// number distinct among live textures and never 0. Records are kept for the
// life of the process, dead ones marked, so that a stale handle is named in
// the log rather than read from freed memory.
//
// In the log a texture or dictionary is its quoted name ("star", "hud",
// "hud_vc.txd"), "<name> (destroyed)" once gone, "(unknown)" for a pointer the
// host never handed out, and null for a null handle. Pointers never appear, so
// native and Windows runs of one scenario log the same lines.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "draw_log.h"
#include "txd_file.h"

namespace refhost {

// Registers HostTxd, HostStream and HostSprite.
void register_texture_services();

namespace textures {

// Back to the host's state at renderer start, streams included. The store
// then holds, in slot order: "generic" ("white", "star"; current), "hud"
// ("radar_centre", "radar_north", "radardisc"), and "radar00" ... "radar63",
// each holding one texture of its own name.
void reset();

// Scenario and test controls.
void add_store_dictionary(std::string_view name, const std::vector<std::string>& textures);
// Takes a store slot out, so the slots after it move up one; false when no
// slot has that name.
bool leave_out_store_dictionary(std::string_view name);
// A slot holding one texture of its own name, placed before the named slot
// (the later slots move down one); false when no slot has that name.
bool insert_store_dictionary(std::string_view before, std::string_view name);
void make_current(std::string_view slot_name);       // unknown name: no current dictionary
void* store_dictionary(std::string_view slot_name);  // null when absent or destroyed
void* current_dictionary();
// Live dictionaries, store slots first, then those read from files in the
// order they were read.
std::vector<std::string> live_dictionaries();
// HostTxd.Destroy calls on dictionaries of this name, live or not at the time.
int destroy_calls(std::string_view dictionary_name);
// Runs inside every HostTxd.Destroy call, given the dictionary's label, so a
// test can see what the caller had done by then. reset() removes it.
void on_destroy(std::function<void(const std::string& label)> observer);
// The name of a live texture; empty for anything else.
std::string texture_name(std::uint32_t handle);
std::uint32_t texture_raster(std::uint32_t handle);  // 0 unless live
// As the log writes them, quotes included.
std::string texture_label(std::uint32_t handle);
std::string dictionary_label(const void* dictionary);

// For the stream reader: a dictionary read from a file, named after the file.
void* create_file_dictionary(std::string_view name, const std::vector<txd::TextureEntry>& entries);
// For the sprite holders: the texture of this name in the current dictionary, or 0.
std::uint32_t find_in_current(const char* name);
DrawLog& log_texture(DrawLog& log, std::uint32_t handle);
// A raster as the texture it belongs to: its name, "(unknown)" for a number no
// texture carries, null for 0.
DrawLog& log_raster(DrawLog& log, std::uint32_t raster);
DrawLog& log_dictionary(DrawLog& log, const void* dictionary);

}  // namespace textures
}  // namespace refhost
