#include <climits>

#include "os_options.h"
#include "os_shim.h"

namespace refhost {

// Counted from here: the refusals and the log start with the plug-in's load.
// cppcheck-suppress constParameter ; the refusals are of changes to the image's memory
std::string apply_os_options(const OsOptions& o, HostImage& image) {
  os_call_log::set_switches(o.log);
  if (o.refuse_call != 0) os_shim::fail_protection_call(o.refuse_call);
  if (o.refuse_every != 0) os_shim::fail_every_protection(o.refuse_every);
  if (o.refuse_at != 0) os_shim::fail_protections_at(image.at(o.refuse_at), INT_MAX);
  os_shim::fail_module_handle_from(o.module_handle_fails_from);
  return "";
}

}  // namespace refhost
