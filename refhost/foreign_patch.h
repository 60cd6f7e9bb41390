#pragma once
// Another patcher in the same process: it rewrites an intercepted call site
// while the plug-in is loaded, as a second plug-in or a trainer would.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "host_image.h"

namespace refhost {

using Instruction = std::array<std::uint8_t, 5>;

// The other patcher's own routine behind a rewritten site answers this.
constexpr std::uint32_t kForeignAnswer = 0xF0E1D2C3;

// `call rel32` from the site to another site's target routine, which counts
// its calls under that other site and answers kSiteAnswer + its index.
Instruction call_elsewhere(const HostImage& image, HostSite site, HostSite elsewhere);
// `mov eax, kForeignAnswer`: the call is gone, the routine answers a constant.
Instruction load_constant();

// Writes the instruction at the site, making the code page writable for it as
// a patcher would, and sealing it again.
void rewrite_site(HostImage& image, HostSite site, const Instruction& bytes);

// A rewrite as a scenario names it: the site, and either the site whose
// routine it calls instead ("call HostSite.RadarPatch") or none ("constant").
struct ForeignPatch {
  HostSite site;
  std::optional<HostSite> calls;
};

// Reads the site's name and what is written there ("constant", or "call "
// and a site's name); throws std::runtime_error naming what is wrong.
ForeignPatch parse_foreign_patch(const std::string& site, const std::string& write);
// The instruction the patch writes in this image.
Instruction foreign_instruction(const HostImage& image, const ForeignPatch& patch);

}  // namespace refhost
