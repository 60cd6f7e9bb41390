// Another patcher rewrites intercepted call sites while the real plug-in is
// loaded. At unload the plug-in puts back only the calls it wrote: a site
// rewritten since keeps the other patcher's bytes, byte for byte.
#include "foreign_patch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host_image.h"
#include "reliability/hosted_plugin.h"
#include "restoration_check.h"

namespace {

using refhost::ForeignSite;
using refhost::HostImage;

std::uint32_t Answer(HostSite site) {
  return HostImage::kSiteAnswer + static_cast<std::uint32_t>(site);
}

refhost::Instruction Own(const HostedPlugin& host, HostSite site) {
  const std::uint32_t address =
      kHostSiteAddress[static_cast<std::size_t>(site)][host_build_index(100)];
  refhost::Instruction bytes;
  std::memcpy(bytes.data(), &host.before().code[address - HostImage::kFirst], bytes.size());
  return bytes;
}

refhost::Instruction Held(HostedPlugin& host, HostSite site) {
  refhost::Instruction bytes;
  std::memcpy(bytes.data(), host.image().site(site), bytes.size());
  return bytes;
}

TEST(ForeignPatch, RewrittenSitesKeepTheirBytesAndTheOthersAreRestored) {
  HostedPlugin host(100, radar_scenario());
  ASSERT_EQ(host.load(), "");
  host.play_two_lives(2);
  const std::vector<ForeignSite> foreign = {
      {HostSite::HudDraw,
       refhost::call_elsewhere(host.image(), HostSite::HudDraw, HostSite::RadarPatch)},
      {HostSite::RadarUpdateB, refhost::load_constant()},
  };
  for (const ForeignSite& f : foreign) {
    ASSERT_NE(Held(host, f.site), Own(host, f.site)) << "the plug-in intercepted it";
    refhost::rewrite_site(host.image(), f.site, f.bytes);
  }
  host.unload();

  EXPECT_EQ(refhost::check_restored(host.before(), host.image(), foreign), "");
  EXPECT_EQ(refhost::check_restored(host.before(), host.image()),
            "HostSite.HudDraw at 0x660083 was not restored")
      << "without the foreign list the check must see the other patcher's bytes";
  int restored = 0;
  for (int k = 0; k < static_cast<int>(HostSite::Count); ++k) {
    const auto site = static_cast<HostSite>(k);
    SCOPED_TRACE(kHostSiteNames[k]);
    if (site == HostSite::HudDraw) {
      EXPECT_EQ(Held(host, site), foreign[0].bytes);
      EXPECT_EQ(host.image().run_site_routine(site), Answer(HostSite::RadarPatch));
    } else if (site == HostSite::RadarUpdateB) {
      EXPECT_EQ(Held(host, site), foreign[1].bytes);
      EXPECT_EQ(host.image().run_site_routine(site), refhost::kForeignAnswer);
    } else {
      EXPECT_EQ(Held(host, site), Own(host, site));
      EXPECT_EQ(host.image().run_site_routine(site), Answer(site));
      ++restored;
    }
  }
  EXPECT_EQ(restored, 6);
  std::printf("[ figures  ] foreign sites kept %zu (%zu bytes), sites restored %d\n",
              foreign.size(), foreign.size() * 5, restored);
}

}  // namespace
