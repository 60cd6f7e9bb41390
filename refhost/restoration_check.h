#pragma once
// What a plug-in may leave behind in host code once it is unloaded.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host_image.h"

namespace refhost {

// The host code as it was before the plug-in was loaded.
struct CodeSnapshot {
  explicit CodeSnapshot(const HostImage& image);
  std::vector<std::uint8_t> code;
};

// The entries the plug-in patches for good: returns (4 bytes), jumps (5).
struct PatchedEntry {
  HostId routine;
  std::uint32_t bytes;
};
extern const std::array<PatchedEntry, 6> kPatchedEntries;

// A site that another patcher rewrote while the plug-in was loaded, and the
// bytes it wrote there.
struct ForeignSite {
  HostSite site;
  std::array<std::uint8_t, 5> bytes;
};

// Every intercepted call site must hold its original bytes again (or, for a
// site in `foreign`, exactly the other patcher's bytes), and no other code
// byte may differ except at the entries of the routines the plug-in turns off
// or replaces for good. Empty when so; otherwise what differs.
std::string check_restored(const CodeSnapshot& before, const HostImage& image,
                           const std::vector<ForeignSite>& foreign = {});

// For a build the plug-in does not know: no code byte changed, the calls of the
// frames wrote nothing, and the plug-in made no host call.
std::string check_inert(const CodeSnapshot& before, const HostImage& image,
                        std::size_t bytes_written);

}  // namespace refhost
