#pragma once
// Another patcher in the same process: it rewrites an intercepted call site
// while the plug-in is loaded, as a second plug-in or a trainer would.
#include <array>
#include <cstdint>

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

}  // namespace refhost
