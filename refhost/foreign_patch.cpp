#include "foreign_patch.h"

#include <cstring>

#include "image_memory.h"
#include "machine_code.h"

namespace refhost {

namespace {

constexpr std::uint32_t kPage = 4096;
constexpr std::uint8_t kCall = 0xE8;
constexpr std::uint8_t kMoveToEax = 0xB8;
// Where write_site_routine puts the site's target, from the site's call.
constexpr std::uint32_t kTargetFromCall = 0x20 - machine_code::kSiteOffset;

Instruction with_operand(std::uint8_t opcode, std::uint32_t operand) {
  Instruction bytes{opcode};
  std::memcpy(bytes.data() + 1, &operand, sizeof(operand));
  return bytes;
}

}  // namespace

Instruction call_elsewhere(const HostImage& image, HostSite site, HostSite elsewhere) {
  const std::uint32_t from = machine_code::address_of(image.site(site));
  const std::uint32_t to = machine_code::address_of(image.site(elsewhere)) + kTargetFromCall;
  return with_operand(kCall, to - (from + 5u));
}

Instruction load_constant() { return with_operand(kMoveToEax, kForeignAnswer); }

void rewrite_site(HostImage& image, HostSite site, const Instruction& bytes) {
  std::uint8_t* const at = image.site(site);
  const std::uintptr_t first = reinterpret_cast<std::uintptr_t>(at) & ~std::uintptr_t{kPage - 1};
  std::uint8_t* const page = reinterpret_cast<std::uint8_t*>(first);
  const auto span = static_cast<std::uint32_t>(at + bytes.size() - page);
  image_memory::unseal_code(page, span);
  std::memcpy(at, bytes.data(), bytes.size());
  image_memory::seal_code(page, span);
}

}  // namespace refhost
