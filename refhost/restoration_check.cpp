#include "restoration_check.h"

#include <cstdio>

#include "draw_log.h"

namespace refhost {

namespace {

bool may_differ(const HostImage& image, std::uint32_t address) {
  for (const PatchedEntry& p : kPatchedEntries) {
    const std::uint32_t entry = image.symbol_address(p.routine);
    if (address >= entry && address < entry + p.bytes) return true;
  }
  return false;
}

std::string hex(std::uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%06X", address);
  return text;
}

// What a site must hold after unload: its own bytes, or another patcher's.
const std::uint8_t* expected_at(const CodeSnapshot& before, std::size_t k, std::uint32_t address,
                                const std::vector<ForeignSite>& foreign) {
  for (const ForeignSite& f : foreign) {
    if (static_cast<std::size_t>(f.site) == k) return f.bytes.data();
  }
  return &before.code[address - HostImage::kFirst];
}

bool in_foreign_site(const HostImage& image, std::uint32_t address,
                     const std::vector<ForeignSite>& foreign) {
  const int column = host_build_index(image.version());
  if (column < 0) return false;  // an unrecognised build has no call sites
  for (const ForeignSite& f : foreign) {
    const std::uint32_t site = kHostSiteAddress[static_cast<std::size_t>(f.site)][column];
    if (address >= site && address < site + 5) return true;
  }
  return false;
}

}  // namespace

// Returns at entry and jumps at entry are not undone.
const std::array<PatchedEntry, 6> kPatchedEntries = {{
    {HostId::HostHud_DrawPlayerInfo, 4},
    {HostId::HostHud_DrawTimers, 4},
    {HostId::HostHud_DrawMessages, 4},
    {HostId::HostRadar_DrawTile, 5},
    {HostId::HostRadar_DrawMask, 5},
    {HostId::HostRadar_DrawBlips, 5},
}};

CodeSnapshot::CodeSnapshot(const HostImage& image)
    : code(image.at(HostImage::kFirst), image.at(HostImage::kCodeEnd)) {}

std::string check_restored(const CodeSnapshot& before, const HostImage& image,
                           const std::vector<ForeignSite>& foreign) {
  // An unrecognised build has no call sites: only its code bytes are compared.
  const int column = host_build_index(image.version());
  for (std::size_t k = 0; column >= 0 && k < static_cast<std::size_t>(HostSite::Count); ++k) {
    const std::uint8_t* site = image.site(static_cast<HostSite>(k));
    const std::uint32_t address = kHostSiteAddress[k][column];
    const std::uint8_t* expected = expected_at(before, k, address, foreign);
    for (std::uint32_t b = 0; b < 5; ++b) {
      if (site[b] != expected[b]) {
        return std::string(kHostSiteNames[k]) + " at " + hex(address) +
               (expected == &before.code[address - HostImage::kFirst]
                    ? " was not restored"
                    : " lost the bytes another patcher wrote");
      }
    }
  }
  for (std::uint32_t a = HostImage::kFirst; a < HostImage::kCodeEnd; ++a) {
    if (*image.at(a) != before.code[a - HostImage::kFirst] && !may_differ(image, a) &&
        !in_foreign_site(image, a, foreign)) {
      return "host code at " + hex(a) + " was left changed";
    }
  }
  return "";
}

std::string check_inert(const CodeSnapshot& before, const HostImage& image,
                        std::size_t bytes_written) {
  for (std::uint32_t a = HostImage::kFirst; a < HostImage::kCodeEnd; ++a) {
    if (*image.at(a) != before.code[a - HostImage::kFirst]) {
      return "an unknown build's code at " + hex(a) + " was changed";
    }
  }
  if (bytes_written != 0) {
    return "the plug-in wrote " + std::to_string(bytes_written) + " bytes of an unknown build";
  }
  if (!draw_log().calls().empty()) {
    return "the plug-in called " + draw_log().calls().front().name + " in an unknown build";
  }
  return "";
}

}  // namespace refhost
