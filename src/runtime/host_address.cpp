#include "runtime/host_address.h"

#include "runtime/address_map.h"
#include "runtime/injector/hooking.h"
#include "runtime/os.h"

namespace {

constexpr std::uint32_t kPreferredBase = 0x400000;

std::uint32_t image_base() {
  static bool known = false;
  static std::uint32_t base = 0;
  if (!known) {
    base = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(os::host_module()));
    known = true;
  }
  return base;
}

int probe_builds() {
  for (int i = 0; i < 3; ++i) {
    if (injector::read_code_dword(host_address(kProbeAddress[i])) == kProbePrologue) {
      return kHostBuilds[i];
    }
  }
  return 0;
}

}  // namespace

int detect_host_version() {
  static bool known = false;
  static int version = 0;
  if (!known) {
    version = probe_builds();
    known = true;
  }
  return version;
}

void* host_address(std::uint32_t address) {
  const std::uint32_t moved = image_base() + address - kPreferredBase;
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(moved));
}
