// The real plug-in loaded, played and unloaded while VirtualProtect refuses
// some of its calls. Every place it patches is watched between all of its
// steps: it must hold its own bytes or the plug-in's whole patch, never half
// of each, and unloading must give every intercepted call site back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host_image.h"
#include "os_shim.h"
#include "patch_watch.h"
#include "reliability/hosted_plugin.h"
#include "restoration_check.h"
#include "support/game_folder.h"

namespace {

using refhost::HostImage;
using refhost::os_shim::fail_every_protection;
using refhost::os_shim::fail_protection_call;

constexpr const char* kLayoutFile = "slate_pane_morrowfen/slatepane_VC.ini";
constexpr int kSites = static_cast<int>(HostSite::Count);
// Eight intercepted call sites, three returns and three jumps.
constexpr int kPlaces = kSites + 6;

struct Outcome {
  int checks = 0;
  int partial_writes = 0;
  std::string first_partial;
  int places_patched = 0;
  int sites_intercepted = 0;  // just before unload
  int sites_restored = 0;     // of those, holding their own bytes after it
  std::string restored;       // check_restored
  int sites_answering = 0;    // after unload, each site's routine gives the host's answer
  int protect_calls = 0;      // VirtualProtect calls from load to unload
  int refused = 0;            // of those, refused
};

class ProtectionFaults : public testing::Test {
 protected:
  // The settings poll asks for a settings read every frame step, so the
  // second renderer life intercepts the frame step site as well.
  void SetUp() override { write_game_file(kLayoutFile, "RELOAD_SETTINGS -1\n"); }
  void TearDown() override {
    fail_every_protection(0);
    fail_protection_call(0);
    refhost::os_shim::fail_protections_at(nullptr, 0);
    remove_game_file(kLayoutFile);
  }

  // One load, two renderer lives of three frames and unload, with `refuse`
  // arranging refusals for the whole of it.
  static Outcome Run(void (*refuse)(int), int value) {
    Outcome out;
    HostedPlugin host(100, radar_scenario());
    refhost::PatchWatch watch(host.image(), SLATEPANE_PLUGIN);
    const int calls_before = refhost::os_shim::protect_calls();
    const int refused_before = refhost::os_shim::refused_protections();
    refuse(value);
    const std::string error = host.load();
    EXPECT_EQ(error, "");
    if (!error.empty()) return out;
    host.play_two_lives(3);
    const std::vector<HostSite> intercepted = Intercepted(host);
    host.unload();
    refuse(0);
    out.protect_calls = refhost::os_shim::protect_calls() - calls_before;
    out.refused = refhost::os_shim::refused_protections() - refused_before;
    out.sites_intercepted = static_cast<int>(intercepted.size());
    Measure(host, watch, intercepted, out);
    return out;
  }

  static std::vector<HostSite> Intercepted(HostedPlugin& host) {
    std::vector<HostSite> sites;
    for (int k = 0; k < kSites; ++k) {
      if (!HoldsOwnBytes(host, static_cast<HostSite>(k))) sites.push_back(static_cast<HostSite>(k));
    }
    return sites;
  }

  // After unload: the watch's counts, and the sites given back.
  static void Measure(HostedPlugin& host, refhost::PatchWatch& watch,
                      const std::vector<HostSite>& intercepted, Outcome& out) {
    watch.check();
    out.checks = watch.checks();
    out.partial_writes = watch.partial_writes();
    out.first_partial = watch.first_partial();
    out.places_patched = watch.places_patched();
    for (HostSite site : intercepted) out.sites_restored += HoldsOwnBytes(host, site) ? 1 : 0;
    out.restored = refhost::check_restored(host.before(), host.image());
    // A site still calling into the unloaded plug-in would fault here.
    if (out.restored.empty()) out.sites_answering = SitesAnswering(host.image());
  }

  static bool HoldsOwnBytes(HostedPlugin& host, HostSite site) {
    const std::uint32_t address =
        kHostSiteAddress[static_cast<std::size_t>(site)][host_build_index(100)];
    return std::memcmp(host.image().site(site), &host.before().code[address - HostImage::kFirst],
                       5) == 0;
  }

  static int SitesAnswering(const HostImage& image) {
    int answering = 0;
    for (int k = 0; k < kSites; ++k) {
      const std::uint32_t answer = image.run_site_routine(static_cast<HostSite>(k));
      answering += answer == HostImage::kSiteAnswer + static_cast<std::uint32_t>(k) ? 1 : 0;
    }
    return answering;
  }

  static void Report(const char* label, int value, const Outcome& out) {
    std::printf(
        "[ figures  ] %s %d: checks %d, partial writes %d, places patched %d, "
        "sites intercepted %d, restored at unload %d, VirtualProtect calls %d (%d refused)\n",
        label, value, out.checks, out.partial_writes, out.places_patched, out.sites_intercepted,
        out.sites_restored, out.protect_calls, out.refused);
  }
};

void no_refusals(int) {}

TEST_F(ProtectionFaults, WithoutRefusalsTheRunReachesEveryPlace) {
  const Outcome out = Run(no_refusals, 0);
  Report("no refusals", 0, out);
  EXPECT_EQ(out.places_patched, kPlaces) << "the run must reach every patched place";
  EXPECT_EQ(out.sites_intercepted, kSites);
  EXPECT_EQ(out.sites_restored, kSites);
  EXPECT_EQ(out.partial_writes, 0) << out.first_partial;
  EXPECT_EQ(out.restored, "");
  EXPECT_EQ(out.sites_answering, kSites);
}

TEST_F(ProtectionFaults, EveryKthChangeRefusedNeverLeavesHalfAnInstruction) {
  for (int k = 1; k <= 10; ++k) {
    SCOPED_TRACE(testing::Message() << "every " << k << "th VirtualProtect refused");
    const Outcome out = Run(fail_every_protection, k);
    Report("every k-th refused, k =", k, out);
    EXPECT_EQ(out.partial_writes, 0) << out.first_partial;
    EXPECT_EQ(out.restored, "");
    EXPECT_EQ(out.sites_restored, out.sites_intercepted);
    EXPECT_EQ(out.sites_answering, kSites);
    // Every call refused: nothing can be patched at all.
    if (k == 1) {
      EXPECT_EQ(out.places_patched, 0);
    }
  }
}

// Each VirtualProtect call of a whole run refused on its own, one run each:
// at start-up (the version probes, the first interceptions), in the frames
// (the returns, the radar jumps, the settings poll's site) and at unload.
TEST_F(ProtectionFaults, EachSingleRefusedChangeNeverLeavesHalfAnInstruction) {
  const int calls = Run(no_refusals, 0).protect_calls;
  ASSERT_GT(calls, 100);
  int partial_writes = 0;
  int checks = 0;
  int sites_intercepted = 0;
  int sites_restored = 0;
  for (int n = 1; n <= calls; ++n) {
    SCOPED_TRACE(testing::Message() << "VirtualProtect call " << n << " refused");
    const Outcome out = Run(fail_protection_call, n);
    EXPECT_EQ(out.partial_writes, 0) << out.first_partial;
    EXPECT_EQ(out.restored, "");
    EXPECT_EQ(out.sites_restored, out.sites_intercepted);
    EXPECT_EQ(out.sites_answering, kSites);
    partial_writes += out.partial_writes;
    checks += out.checks;
    sites_intercepted += out.sites_intercepted;
    sites_restored += out.sites_restored;
  }
  std::printf(
      "[ figures  ] call n refused, n = 1..%d: checks %d, partial writes %d, "
      "sites intercepted %d, restored at unload %d\n",
      calls, checks, partial_writes, sites_intercepted, sites_restored);
}

// Changes refused while one site is put back at unload: it is asked again
// (twice as its hooker leaves, twice more as its manager ends), since a site
// left calling the plug-in's stub would call code no longer mapped.
TEST_F(ProtectionFaults, RestoresRefusedAtUnloadAreAskedAgain) {
  for (int refusals : {1, 2, 3}) {
    SCOPED_TRACE(testing::Message() << refusals << " refused at the HUD draw site");
    HostedPlugin host(100, radar_scenario());
    ASSERT_EQ(host.load(), "");
    host.play_two_lives(1);
    ASSERT_FALSE(HoldsOwnBytes(host, HostSite::HudDraw));
    refhost::os_shim::fail_protections_at(host.image().site(HostSite::HudDraw), refusals);
    host.unload();
    EXPECT_EQ(refhost::os_shim::refusals_left_at(), 0) << "every refusal was met";
    refhost::os_shim::fail_protections_at(nullptr, 0);
    ASSERT_EQ(refhost::check_restored(host.before(), host.image()), "");
    EXPECT_EQ(SitesAnswering(host.image()), kSites);
  }
}

}  // namespace
