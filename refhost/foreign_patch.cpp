#include "foreign_patch.h"

#include <cstring>
#include <stdexcept>
#include <string_view>

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

HostSite site_named(std::string_view name) {
  for (std::size_t k = 0; k < static_cast<std::size_t>(HostSite::Count); ++k) {
    if (name == kHostSiteNames[k]) return static_cast<HostSite>(k);
  }
  throw std::runtime_error("no call site named \"" + std::string(name) + "\"");
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

ForeignPatch parse_foreign_patch(const std::string& site, const std::string& write) {
  constexpr std::string_view kCallPrefix = "call ";
  ForeignPatch patch{site_named(site), std::nullopt};
  if (write == "constant") return patch;
  if (!write.starts_with(kCallPrefix)) {
    throw std::runtime_error("expected \"constant\" or \"call HostSite.<name>\"");
  }
  patch.calls = site_named(std::string_view(write).substr(kCallPrefix.size()));
  return patch;
}

Instruction foreign_instruction(const HostImage& image, const ForeignPatch& patch) {
  return patch.calls ? call_elsewhere(image, patch.site, *patch.calls) : load_constant();
}

}  // namespace refhost
