#pragma once
// What a plug-in may leave behind in host code once it is unloaded.
#include <string>
#include <vector>

#include "host_image.h"

namespace refhost {

// The host code as it was before the plug-in was loaded.
struct CodeSnapshot {
  explicit CodeSnapshot(const HostImage& image);
  std::vector<std::uint8_t> code;
};

// Every intercepted call site must hold its original bytes again, and no other
// code byte may differ except at the entries of the routines the plug-in turns
// off or replaces for good. Empty when so; otherwise what differs.
std::string check_restored(const CodeSnapshot& before, const HostImage& image);

// For a build the plug-in does not know: no code byte changed, the calls of the
// frames wrote nothing, and the plug-in made no host call.
std::string check_inert(const CodeSnapshot& before, const HostImage& image,
                        std::size_t bytes_written);

}  // namespace refhost
