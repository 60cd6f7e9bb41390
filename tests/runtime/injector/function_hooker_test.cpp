// Call interception end to end: the host image's own site routines run the
// rewritten call, which passes through the hookers to the original target.
#include "runtime/injector/function_hooker.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "foreign_patch.h"
#include "host_image.h"
#include "os_shim.h"
#include "runtime/address_map.h"
#include "runtime/injector/hook_stubs.h"
#include "runtime/injector/hooking.h"
#include "runtime/injector/host_code.h"
#include "support/run_self.h"

namespace {

using host_code::read;
using injector::function_hooker;
using Next = injector::function_hooker_base::next_call;
using refhost::HostImage;
using refhost::os_shim::fail_next_protections;
using refhost::os_shim::kPageExecuteRead;
using refhost::os_shim::protect_calls;
using refhost::os_shim::protection_at;

constexpr HostSite kAllSites[] = {
    HostSite::RendererStart, HostSite::RendererStop, HostSite::HudDraw,      HostSite::FrameDraw,
    HostSite::FrameStep,     HostSite::RadarUpdateA, HostSite::RadarUpdateB, HostSite::RadarPatch,
};

std::uint32_t Answer(HostSite site) {
  return HostImage::kSiteAnswer + static_cast<std::uint32_t>(site);
}

const char* Name(HostSite site) { return kHostSiteNames[static_cast<std::size_t>(site)]; }

// The sites free in this process, by build. The plug-in's start-up, which
// wires the events, is not linked into the tests, and a test that makes an
// event hold its site for good does so in a child process; so every site of a
// known build is free. A site held fails every test here instead of leaving
// it untested.
struct FreeSites {
  int version;
  std::vector<HostSite> sites;
};
const FreeSites kFreeSites[] = {
    {100, {std::begin(kAllSites), std::end(kAllSites)}},
    {110, {std::begin(kAllSites), std::end(kAllSites)}},
    {120, {std::begin(kAllSites), std::end(kAllSites)}},
};

class FunctionHookerTest : public testing::Test {
 protected:
  void SetUp() override {
    const int version = image().version();
    const FreeSites* expected = nullptr;
    for (const FreeSites& row : kFreeSites) expected = row.version == version ? &row : expected;
    ASSERT_NE(expected, nullptr) << "build " << version
                                 << " has no call sites; run with REFHOST_BUILD 100, 110 or 120";
    image().rewrite_code();
    std::vector<HostSite> free;
    for (HostSite site : kAllSites) {
      if (!Held(site)) free.push_back(site);
    }
    ASSERT_EQ(free, expected->sites) << "the sites free in build " << version;
    free_sites = free;
    free_site = free.front();
  }

  // Process-wide events keep their sites for the whole process; those sites
  // are not ours to test.
  static bool Held(HostSite site) {
    return injector::function_hooker_manager::of(Site(site))->count() > 0;
  }
  void TearDown() override {
    fail_next_protections(0);
    image().rewrite_code();
  }

  static HostImage& image() { return *refhost::current_image(); }
  std::vector<HostSite> free_sites;
  HostSite free_site = HostSite::Count;
  static void* Site(HostSite site) { return image().site(site); }

  // Runs the site's routine; returns its answer and how often the site's own
  // target ran meanwhile.
  static std::pair<std::uint32_t, int> Run(HostSite site) {
    const int before = HostImage::site_target_calls(site);
    const std::uint32_t answer = image().run_site_routine(site);
    return {answer, HostImage::site_target_calls(site) - before};
  }

  // A callback that logs `name` round the rest of the chain.
  static injector::function_hooker_base::callback Logging(std::vector<std::string>& log,
                                                          std::string name) {
    return [&log, name](const Next& next) {
      log.push_back(name + " before");
      const std::uint32_t answer = next();
      log.push_back(name + " after");
      return answer;
    };
  }
};

// original -> intercepted -> restored -> original, on every free site of the build.
TEST_F(FunctionHookerTest, InterceptsEachSiteAndRestoresIt) {
  for (HostSite site : free_sites) {
    SCOPED_TRACE(Name(site));
    const auto original = read(Site(site));
    void* const target = injector::call_target_of(Site(site));
    ASSERT_EQ(target, host_code::site_target(site));
    EXPECT_EQ(Run(site), std::make_pair(Answer(site), 1));

    int callbacks = 0;
    std::uint32_t seen = 0;
    {
      function_hooker hooker(Site(site));
      EXPECT_EQ(read(Site(site)), original) << "constructing alone changes nothing";
      hooker.install([&](const Next& next) {
        ++callbacks;
        seen = next();
        return seen;
      });
      const auto& manager = *hooker.manager();
      EXPECT_TRUE(manager.installed());
      EXPECT_EQ(manager.count(), 1u);
      EXPECT_EQ(manager.prior_destination(), target);
      EXPECT_NE(read(Site(site)), original);
      EXPECT_EQ(read(Site(site))[0], 0xE8) << "still a relative call";
      EXPECT_NE(injector::call_target_of(Site(site)), target);
      EXPECT_EQ(protection_at(Site(site)), kPageExecuteRead);

      EXPECT_EQ(Run(site), std::make_pair(Answer(site), 1));
      EXPECT_EQ(callbacks, 1);
      EXPECT_EQ(seen, Answer(site));
    }
    EXPECT_EQ(read(Site(site)), original);
    EXPECT_EQ(Run(site), std::make_pair(Answer(site), 1));
    EXPECT_EQ(callbacks, 1) << "the callback is gone with its hooker";
  }
}

// Exceptions stop at the stub: the host routine still runs exactly once and
// the host gets its answer.
TEST_F(FunctionHookerTest, TheCallbackDecidesTheAnswer) {
  const HostSite kSite = free_site;
  struct Case {
    const char* name;
    injector::function_hooker_base::callback cb;
    std::uint32_t answer;
    int target_calls;
  };
  const Case cases[] = {
      {"passes it through", [](const Next& next) { return next(); }, Answer(kSite), 1},
      {"replaces it", [](const Next& next) { return next() + 1; }, Answer(kSite) + 1, 1},
      {"skips the host routine", [](const Next&) { return 7u; }, 7u, 0},
      {"calls it twice", [](const Next& next) { return next() + next(); }, 2 * Answer(kSite), 2},
      {"is empty", nullptr, Answer(kSite), 1},
      {"throws before the host call",
       [](const Next&) -> std::uint32_t { throw std::runtime_error("x"); }, Answer(kSite), 1},
      {"throws after it",
       [](const Next& next) -> std::uint32_t {
         next();
         throw 42;
       },
       Answer(kSite), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    function_hooker hooker(Site(kSite));
    hooker.install(c.cb);
    EXPECT_EQ(Run(kSite), std::make_pair(c.answer, c.target_calls));
  }
}

// Two hookers share the site's manager; the last added runs outermost, and
// only the last to leave puts the call back.
TEST_F(FunctionHookerTest, HookersChainLastAddedOutermost) {
  const HostSite kSite = free_site;
  const auto original = read(Site(kSite));
  std::vector<std::string> log;
  auto first = std::make_unique<function_hooker>(Site(kSite));
  auto second = std::make_unique<function_hooker>(Site(kSite));
  const auto manager = first->manager();
  EXPECT_EQ(second->manager(), manager);
  EXPECT_EQ(injector::function_hooker_manager::of(Site(kSite)), manager);
  const HostSite another = kSite == HostSite::HudDraw ? HostSite::FrameDraw : HostSite::HudDraw;
  EXPECT_NE(injector::function_hooker_manager::of(Site(another)), manager);
  EXPECT_EQ(manager.use_count(), 4) << "two hookers, the process-wide owner and this test";

  first->install(Logging(log, "first"));
  const auto patched = read(Site(kSite));
  second->install(Logging(log, "second"));
  EXPECT_EQ(read(Site(kSite)), patched) << "installed once";
  EXPECT_EQ(manager->count(), 2u);
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  EXPECT_EQ(log, (std::vector<std::string>{"second before", "first before", "first after",
                                           "second after"}));

  log.clear();
  first->install(Logging(log, "again"));  // replaces its callback, now outermost
  EXPECT_EQ(manager->count(), 2u);
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  EXPECT_EQ(log, (std::vector<std::string>{"again before", "second before", "second after",
                                           "again after"}));

  log.clear();
  first->leave();
  first->leave();  // harmless
  EXPECT_EQ(read(Site(kSite)), patched);
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  EXPECT_EQ(log, (std::vector<std::string>{"second before", "second after"}));

  log.clear();
  const int before = protect_calls();
  second.reset();
  EXPECT_EQ(protect_calls() - before, 2) << "one guarded write of the saved bytes";
  EXPECT_EQ(read(Site(kSite)), original);
  EXPECT_FALSE(manager->installed());
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  EXPECT_TRUE(log.empty());

  first->install(Logging(log, "back"));
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  EXPECT_EQ(log, (std::vector<std::string>{"back before", "back after"}));
  first.reset();
  EXPECT_EQ(read(Site(kSite)), original);
  EXPECT_EQ(manager, injector::function_hooker_manager::of(Site(kSite))) << "kept by its owner";
}

TEST_F(FunctionHookerTest, HookersMayLeaveWhileTheCallRuns) {
  const HostSite kSite = free_site;
  const auto original = read(Site(kSite));
  std::vector<std::string> log;
  auto inner = std::make_unique<function_hooker>(Site(kSite));
  auto outer = std::make_unique<function_hooker>(Site(kSite));
  inner->install(Logging(log, "inner"));
  outer->install([&](const Next& next) {
    const std::uint32_t answer = next();
    inner->leave();
    outer->leave();  // the last one: the site is restored under this very call
    log.push_back("outer done");
    return answer + 1;
  });
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite) + 1, 1));
  EXPECT_EQ(log, (std::vector<std::string>{"inner before", "inner after", "outer done"}));
  EXPECT_EQ(read(Site(kSite)), original);
  EXPECT_EQ(outer->manager()->count(), 0u);
  outer.reset();
  inner.reset();
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
}

// Host routines of the test's own at scratch addresses, each holding a call
// to the HudDraw site's target at routine + 3.
class FunctionHookerSitesTest : public FunctionHookerTest {
 protected:
  static std::uint8_t* Call(int index) {
    return host_code::at(host_code::kScratch + 0x1003 + 0x10 * static_cast<std::uint32_t>(index));
  }
  static std::array<std::uint8_t, 5> Original(int index) {
    return host_code::relative(0xE8, Call(index), host_code::site_target(HostSite::HudDraw));
  }
  static std::pair<std::uint32_t, int> RunRoutine(int index) {
    const int before = HostImage::site_target_calls(HostSite::HudDraw);
    const std::uint32_t answer = reinterpret_cast<host_code::Routine>(Call(index) - 3)();
    return {answer, HostImage::site_target_calls(HostSite::HudDraw) - before};
  }
};

TEST_F(FunctionHookerSitesTest, OtherInstructionsAreNotIntercepted) {
  const std::array<std::uint8_t, 5> cases[] = {
      host_code::relative(0xE9, Call(0), Call(1)),  // a jump
      {0x90, 0x90, 0x90, 0x90, 0x90},
      {0xFF, 0x15, 0x00, 0x10, 0x00},  // an indirect call
  };
  for (const auto& bytes : cases) {
    SCOPED_TRACE(int{bytes[0]});
    host_code::write(Call(0), bytes.data(), 5);
    const int stubs = injector::detail::stubs_in_use();
    function_hooker hooker(Call(0));
    hooker.install([](const Next& next) { return next(); });
    EXPECT_FALSE(hooker.manager()->installed());
    EXPECT_FALSE(hooker.manager()->saved());
    EXPECT_EQ(read(Call(0)), bytes);
    EXPECT_EQ(injector::detail::stubs_in_use(), stubs);
  }
}

TEST_F(FunctionHookerSitesTest, RunningOutOfStubsLeavesTheSiteUntouched) {
  const int spare = injector::detail::kHookStubCount - injector::detail::stubs_in_use();
  ASSERT_GT(spare, 0);
  int callbacks = 0;
  auto count = [&callbacks](const Next& next) {
    ++callbacks;
    return next();
  };
  std::vector<std::unique_ptr<function_hooker>> hookers;
  for (int i = 0; i <= spare; ++i) {
    host_code::write_site_routine(Call(i) - 3, host_code::site_target(HostSite::HudDraw));
    hookers.push_back(std::make_unique<function_hooker>(Call(i)));
    hookers.back()->install(count);
  }
  EXPECT_FALSE(hookers.back()->manager()->installed());
  EXPECT_EQ(read(Call(spare)), Original(spare));
  EXPECT_EQ(RunRoutine(spare), std::make_pair(Answer(HostSite::HudDraw), 1));
  EXPECT_EQ(callbacks, 0);
  EXPECT_EQ(RunRoutine(0), std::make_pair(Answer(HostSite::HudDraw), 1));
  EXPECT_EQ(callbacks, 1);

  hookers.front().reset();  // a stub set free serves the site that went without
  hookers.back()->install(count);
  EXPECT_TRUE(hookers.back()->manager()->installed());
  EXPECT_EQ(RunRoutine(spare), std::make_pair(Answer(HostSite::HudDraw), 1));
  EXPECT_EQ(callbacks, 2);

  hookers.clear();
  for (int i = 0; i <= spare; ++i) EXPECT_EQ(read(Call(i)), Original(i)) << i;
}

TEST_F(FunctionHookerTest, RefusedProtectionLeavesTheSiteWorking) {
  const HostSite kSite = free_site;
  const auto original = read(Site(kSite));
  {
    SCOPED_TRACE("the bytes cannot be saved: nothing is written");
    function_hooker hooker(Site(kSite));
    fail_next_protections(1);
    hooker.install([](const Next& next) { return next() + 1; });
    fail_next_protections(0);
    EXPECT_FALSE(hooker.manager()->installed());
    EXPECT_EQ(read(Site(kSite)), original);
    EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
  }
  {
    SCOPED_TRACE("the bytes cannot be put back: the stub keeps forwarding");
    int callbacks = 0;
    auto count = [&callbacks](const Next& next) {
      ++callbacks;
      return next();
    };
    auto hooker = std::make_unique<function_hooker>(Site(kSite));
    const int before = protect_calls();
    hooker->install(count);
    EXPECT_EQ(protect_calls() - before, 2 + 8) << "save, then patch_call";
    const auto patched = read(Site(kSite));
    auto manager = hooker->manager();

    fail_next_protections(2);  // refused, and refused again when asked once more
    hooker.reset();
    EXPECT_EQ(read(Site(kSite)), patched);
    EXPECT_FALSE(manager->installed());
    EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
    EXPECT_EQ(callbacks, 0);

    hooker = std::make_unique<function_hooker>(Site(kSite));
    const int again = protect_calls();
    hooker->install(count);
    EXPECT_EQ(protect_calls(), again) << "the site still calls the stub";
    EXPECT_TRUE(manager->installed());
    EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
    EXPECT_EQ(callbacks, 1);

    hooker.reset();
    EXPECT_EQ(read(Site(kSite)), original);
  }
}

// At unload a site left calling our stub would call code no longer mapped,
// so a refused restore is asked once more.
TEST_F(FunctionHookerTest, ARefusedRestoreIsAskedOnceMore) {
  const HostSite kSite = free_site;
  const auto original = read(Site(kSite));
  const int stubs = injector::detail::stubs_in_use();
  auto hooker = std::make_unique<function_hooker>(Site(kSite));
  hooker->install([](const Next& next) { return next(); });
  ASSERT_NE(read(Site(kSite)), original);
  const int before = protect_calls();
  fail_next_protections(1);
  hooker.reset();
  EXPECT_EQ(read(Site(kSite)), original);
  EXPECT_EQ(protect_calls() - before, 1 + 2) << "one refusal, then one guarded write";
  EXPECT_EQ(injector::detail::stubs_in_use(), stubs);
  EXPECT_EQ(Run(kSite), std::make_pair(Answer(kSite), 1));
}

// Another patcher rewrote the site after us: our saved bytes would corrupt
// its code, so the site keeps what it holds, and our stub stays reachable.
TEST_F(FunctionHookerTest, ASiteRewrittenByAnotherPatcherKeepsTheirBytes) {
  const HostSite kSite = free_site;
  const HostSite kElsewhere =
      kSite == HostSite::RadarPatch ? HostSite::HudDraw : HostSite::RadarPatch;
  struct Case {
    const char* name;
    refhost::Instruction bytes;
    std::pair<std::uint32_t, int> run;  // answer, calls of the site's own target
  };
  const Case cases[] = {
      {"mov eax, imm32", refhost::load_constant(), {refhost::kForeignAnswer, 0}},
      {"call elsewhere",
       refhost::call_elsewhere(image(), kSite, kElsewhere),
       {Answer(kElsewhere), 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    image().rewrite_code();
    const int stubs = injector::detail::stubs_in_use();
    auto hooker = std::make_unique<function_hooker>(Site(kSite));
    hooker->install([](const Next& next) { return next() + 1; });
    refhost::rewrite_site(image(), kSite, c.bytes);
    hooker.reset();
    EXPECT_EQ(read(Site(kSite)), c.bytes);
    EXPECT_EQ(Run(kSite), c.run);
    EXPECT_EQ(injector::detail::stubs_in_use(), stubs + 1) << "the stub is kept for its callers";
  }
}

// This process plays build 100; the same tests in a process of each known
// build, whose sites lie elsewhere.
TEST(HookingInEveryBuild, TheHookerTestsPassInEachKnownBuild) {
  for (const FreeSites& row : kFreeSites) {
    SCOPED_TRACE(row.version);
    EXPECT_EQ(RunSelf({"REFHOST_BUILD=" + std::to_string(row.version)},
                      "FunctionHookerTest.*:FunctionHookerSitesTest.*"),
              0);
  }
}

}  // namespace
