#include "os_options.h"

namespace refhost {

std::string apply_os_options(const OsOptions& o, HostImage& /*image*/) {
  if (!o.any()) return "";
  return "the operating-system options work natively only: under Windows the system's own "
         "VirtualProtect, GetKeyState and MessageBoxA serve the plug-in";
}

}  // namespace refhost
