#include "patch_watch.h"

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "draw_log.h"
#include "machine_code.h"
#include "os_shim.h"
#include "restoration_check.h"

namespace refhost {

namespace {

constexpr std::uint8_t kReturn[4] = {0xC3, 0x00, 0x00, 0x00};

struct Search {
  const std::string& path;
  CodeRange range;
};

int find_segments(dl_phdr_info* info, std::size_t /*size*/, void* data) {
  Search& search = *static_cast<Search*>(data);
  if (info->dlpi_name == nullptr || search.path != info->dlpi_name) return 0;
  CodeRange range{~0u, 0};
  for (ElfW(Half) k = 0; k < info->dlpi_phnum; ++k) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[k];
    if (segment.p_type != PT_LOAD || (segment.p_flags & PF_X) == 0) continue;
    const auto first = static_cast<std::uint32_t>(info->dlpi_addr + segment.p_vaddr);
    range.first = std::min(range.first, first);
    range.end = std::max(range.end, first + static_cast<std::uint32_t>(segment.p_memsz));
  }
  if (range.end == 0) return 0;
  search.range = range;
  return 1;
}

void observe(void* watch) { static_cast<PatchWatch*>(watch)->check(); }

std::string bytes_of(const std::uint8_t* at, std::size_t size) {
  std::string text;
  char byte[4];
  for (std::size_t k = 0; k < size; ++k) {
    std::snprintf(byte, sizeof(byte), k == 0 ? "%02X" : " %02X", at[k]);
    text += byte;
  }
  return text;
}

}  // namespace

CodeRange loaded_code(const std::string& path) {
  Search search{path, {}};
  dl_iterate_phdr(find_segments, &search);
  return search.range;
}

PatchWatch::PatchWatch(const HostImage& image, std::string plugin_path)
    : plugin_path_(std::move(plugin_path)) {
  for (std::size_t k = 0; k < static_cast<std::size_t>(HostSite::Count); ++k) {
    add(kHostSiteNames[k], image.site(static_cast<HostSite>(k)), Kind::Call);
  }
  for (const PatchedEntry& entry : kPatchedEntries) {
    add(host_symbol(entry.routine).name, image.symbol(entry.routine),
        entry.bytes == 4 ? Kind::Return : Kind::Jump);
  }
  draw_log().observe(observe, this);
  os_shim::observe_protections(observe, this);
}

PatchWatch::~PatchWatch() {
  draw_log().observe(nullptr, nullptr);
  os_shim::observe_protections(nullptr, nullptr);
}

void PatchWatch::add(std::string name, std::uint8_t* at, Kind kind) {
  if (at == nullptr) return;
  Place place{std::move(name), at, kind, {}, false, false};
  std::memcpy(place.own, at, sizeof(place.own));
  places_.push_back(std::move(place));
}

bool PatchWatch::holds_own(const Place& place) {
  return std::memcmp(place.at, place.own, place.kind == Kind::Return ? 4 : 5) == 0;
}

// Whole: the place's own bytes, or the plug-in's complete patch (a return, or
// a call or jump whose destination lies in the plug-in's code).
bool PatchWatch::whole(const Place& place) const {
  if (holds_own(place)) return true;
  if (place.kind == Kind::Return) return std::memcmp(place.at, kReturn, sizeof(kReturn)) == 0;
  const std::uint8_t opcode = place.kind == Kind::Call ? 0xE8 : 0xE9;
  std::uint32_t operand = 0;
  std::memcpy(&operand, place.at + 1, sizeof(operand));
  const std::uint32_t destination = machine_code::address_of(place.at) + 5u + operand;
  return place.at[0] == opcode && plugin_.holds(destination);
}

int PatchWatch::places_patched() const {
  return static_cast<int>(
      std::count_if(places_.begin(), places_.end(), [](const Place& p) { return p.seen_patched; }));
}

void PatchWatch::check() {
  ++checks_;
  if (plugin_.end == 0) plugin_ = loaded_code(plugin_path_);
  for (Place& place : places_) {
    const bool mixed = !whole(place);
    if (!mixed && !holds_own(place)) place.seen_patched = true;
    if (mixed && !place.mixed) {
      ++partial_writes_;
      if (first_partial_.empty()) {
        first_partial_ = place.name + " held " + bytes_of(place.at, 5);
      }
    }
    place.mixed = mixed;
  }
}

}  // namespace refhost
