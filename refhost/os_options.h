#pragma once
// Command-line options that steer the operating system as the plug-in meets
// it: which of its calls go into the draw log, which protection changes are
// refused, and a start whose host module cannot be found. Natively the
// reference host plays the operating system and honours them; under Windows
// the system's own calls serve the plug-in, so any of them is an error there.
#include <cstdint>
#include <string>

#include "host_image.h"
#include "os_call_log.h"

namespace refhost {

struct OsOptions {
  os_call_log::Switches log;
  int refuse_call = 0;               // the n-th protection change from loading; 0: none
  int refuse_every = 0;              // every k-th; 0: none
  std::uint32_t refuse_at = 0;       // every change at this host address; 0: none
  int module_handle_fails_from = 0;  // GetModuleHandleA(null) answers null from this call on
  bool any() const;
};

// Takes argv[k] when it is one of these options, with its value (k then
// points at the value). Returns "" when it took the option, "unknown" when
// argv[k] is none of them, otherwise what is wrong with its value.
std::string read_os_option(int argc, char** argv, int& k, OsOptions& options);

// Puts the options in force for the plug-in about to load into `image`.
// Returns "" when it could, otherwise why not.
std::string apply_os_options(const OsOptions& options, HostImage& image);

}  // namespace refhost
