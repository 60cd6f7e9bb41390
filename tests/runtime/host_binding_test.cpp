#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "draw_log.h"
#include "host_image.h"
#include "runtime/address_map.h"
#include "runtime/host_address.h"
#include "runtime/host_address_table.h"
#include "runtime/host_interface.h"
#include "services/player.h"
#include "support/run_self.h"

namespace {

refhost::HostImage& Image() { return *refhost::current_image(); }

void* Translated(std::uint32_t address) {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(Image().base() + address - 0x400000));
}

int ExpectedVersion() {
  if (const char* v = std::getenv("REFHOST_EXPECT_VERSION")) return std::atoi(v);
  const char* build = std::getenv("REFHOST_BUILD");
  return build ? refhost::parse_build(build) : 100;
}

// Runs in whatever build this process was started to play (REFHOST_BUILD,
// default 100); HostBinding.EveryBuild starts it once per build. An
// unrecognised build binds every slot to the null translation.
TEST(HostBindingInThisProcess, VersionAndEverySlotMatchTheBuild) {
  const int version = ExpectedVersion();
  EXPECT_EQ(detect_host_version(), version);
  const int column = host_build_index(version);
  int slots = 0;
  for (std::size_t k = 0; k < kHostSymbolCount; ++k) {
    const auto id = static_cast<HostId>(k);
    const HostSymbol& symbol = host_symbol(id);
    SCOPED_TRACE(symbol.name);
    void* slot = bound_address(id);
    if (symbol.form == HostForm::FIXED) {
      EXPECT_EQ(slot, nullptr);
      continue;
    }
    ++slots;
    EXPECT_EQ(slot, Translated(column < 0 ? 0 : symbol.address[column]));
    if (column >= 0 && Image().version() == version) {
      EXPECT_EQ(slot, Image().symbol(id));
    }
  }
  EXPECT_EQ(slots, 49);
}

TEST(HostBinding, EveryBuild) {
  struct Case {
    const char* build;
    const char* extra_probe;
    const char* expect;
  };
  const Case cases[] = {
      {"100", nullptr, "100"}, {"110", nullptr, "110"}, {"120", nullptr, "120"},
      {"none", nullptr, "0"},  {"120", "110", "110"},  // two probes match: the earlier build wins
      {"110", "100", "100"},   {"none", "120", "120"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "build " << c.build << " extra probe "
                                    << (c.extra_probe ? c.extra_probe : "-"));
    std::vector<std::string> env = {std::string("REFHOST_BUILD=") + c.build,
                                    std::string("REFHOST_EXPECT_VERSION=") + c.expect};
    if (c.extra_probe) env.push_back(std::string("REFHOST_EXTRA_PROBES=") + c.extra_probe);
    EXPECT_EQ(RunSelf(env, "HostBindingInThisProcess.*"), 0);
  }
}

TEST(HostAddress, WrapsAroundThirtyTwoBits) {
  const std::uint32_t base = Image().base();
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(host_address(0)),
            static_cast<std::uint32_t>(base - 0x400000u));
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(host_address(0x400000)), base);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(host_address(0xFFFFFFFFu)),
            static_cast<std::uint32_t>(base - 0x400001u));
}

TEST(HostInterface, FixedVariablesLieAtTheirMappedAddress) {
  EXPECT_EQ(static_cast<void*>(&HostScreen::Width()), Image().symbol(HostId::HostScreen_Width));
  HostScreen::Width() = 1920;
  EXPECT_EQ(Image().get<std::int32_t>("HostScreen.Width"), 1920);
  Image().set<float>("HostTime.Step", 2.5f);
  EXPECT_EQ(HostTime::Step(), 2.5f);
  HostScreen::Width() = 0;
}

TEST(HostInterface, RoutinesReachTheHostWithTheirConventions) {
  refhost::DrawLog& log = refhost::draw_log();
  log.clear();
  log.set_frame(0);
  Rgba colour{};
  Rgba* made = HostColour::Make(&colour, 300, -1, 3, 255);  // thiscall
  EXPECT_EQ(made, &colour);
  EXPECT_EQ(colour, (Rgba{44, 255, 3, 255}));
  HostText::SetScale(2.25f, 2.4107144f);  // cdecl, floats
  HostText::Print(1845.75f, 72.32143f, u"$100");
  ASSERT_EQ(log.calls().size(), 3u);
  EXPECT_EQ(log.calls()[0].line(), "0 HostColour.Make 44 255 3 255");
  EXPECT_EQ(log.calls()[1].line(), "0 HostText.SetScale 2.25 2.4107144");
  EXPECT_EQ(log.calls()[2].line(), "0 HostText.Print 1845.75 72.32143 \"$100\"");
  log.clear();
}

// Host routines, recording stubs and modelled ones alike, keep the stack and
// the x87 register balanced; calling them many times would crash otherwise.
TEST(HostInterface, StubsBalanceEveryConvention) {
  refhost::DrawLog& log = refhost::draw_log();
  log.clear();
  refhost::player::reset();  // heading 0
  SpriteHolder holder{};
  float v[3] = {0, 0, 0};  // length 0, left as it is
  float sum = 0;
  for (int k = 0; k < 1000; ++k) {
    HostSprite::DrawQuad(&holder, 1, 2, 3, 4, 5, 6, 7, 8, nullptr);  // thiscall, 36 bytes
    EXPECT_FALSE(HostVehicle::OccupantCheck(&holder, &holder));      // thiscall, bool
    sum += HostVector::Normalise(v);                                 // thiscall, float
    sum += HostPlayer::Heading();                                    // cdecl, float
    HostRadar::DrawTrace(1, 2, 3, 4, 5, 6, 7, 8);                    // cdecl, 8 arguments
  }
  EXPECT_EQ(sum, 0.0f);
  ASSERT_EQ(log.calls().size(), 5000u);
  EXPECT_EQ(log.calls()[0].name, "HostSprite.DrawQuad");
  EXPECT_EQ(log.calls()[2].name, "HostVector.Normalise");
  EXPECT_EQ(log.calls()[4].name, "HostRadar.DrawTrace");
  log.clear();
}

TEST(PluginBinary, LoadsInTheHostAndExportsNothing) {
  void* plugin = dlopen(SLATEPANE_PLUGIN, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(plugin, nullptr) << dlerror();
  EXPECT_EQ(dlsym(plugin, "_Z8HudFramev"), nullptr);
  EXPECT_EQ(dlsym(plugin, "_Z19detect_host_versionv"), nullptr);
  dlclose(plugin);
}

}  // namespace
