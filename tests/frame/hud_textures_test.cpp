#include "frame/hud_textures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "draw_log.h"
#include "runtime/host_interface.h"
#include "runtime/hud_event.h"
#include "runtime/sprite_holders.h"
#include "services/streams.h"
#include "services/textures.h"
#include "settings/hud_settings.h"
#include "support/game_folder.h"
#include "support/shipped_dictionaries.h"
#include "txd_file.h"

namespace {

namespace textures = refhost::textures;

using ShippedFile = ShippedDictionary;
const auto& kFiles = kShippedDictionaries;

std::string Rel(const std::string& file) { return "slate_pane_morrowfen/" + file; }

void Empty(SpriteHolder* holders, std::size_t count) {
  for (std::size_t k = 0; k < count; ++k) holders[k].texture = 0;
}

void EmptyAllHolders() {
  Empty(&PhoneSprite, 1);
  Empty(HudSet, 5);
  Empty(CrosshairSet, 10);
  Empty(RingSet, 2);
  Empty(SlotIcons, 10);
  Empty(&StationIcon, 1);
  Empty(&RadarTileSprite, 1);
  Empty(&RadarCentreSprite, 1);
}

// The recorded calls without their frame numbers.
std::vector<std::string> Lines() { return refhost::draw_log().texts(); }

const std::vector<std::string> kHudNames = {"clrect", "bar", "star", "timerbar"};
const std::vector<std::string> kCrosshairNames = {
    "siterocket", "sitesniper",   "sitelaser", "siteM16", "viewfinder_128",
    "laserdot",   "snipertarget", "assault",   "shotgun", "smg"};

// The load with every file readable, call by call: four dictionaries read,
// the names looked up in two of them, the phone's read, the radar centre.
const std::vector<std::string> kLoad = {
    R"(HostStream.Open 2 1 "slate_pane_morrowfen\\hud_vc.txd")",
    R"(HostStream.FindChunk "hud_vc.txd" 22 null null)",
    R"(HostStream.ReadDictionary "hud_vc.txd")",
    R"(HostStream.Close "hud_vc.txd")",
    R"(HostStream.Open 2 1 "slate_pane_morrowfen\\crosshairs_vc.txd")",
    R"(HostStream.FindChunk "crosshairs_vc.txd" 22 null null)",
    R"(HostStream.ReadDictionary "crosshairs_vc.txd")",
    R"(HostStream.Close "crosshairs_vc.txd")",
    R"(HostStream.Open 2 1 "slate_pane_morrowfen\\ring_vc.txd")",
    R"(HostStream.FindChunk "ring_vc.txd" 22 null null)",
    R"(HostStream.ReadDictionary "ring_vc.txd")",
    R"(HostStream.Close "ring_vc.txd")",
    R"(HostStream.Open 2 1 "slate_pane_morrowfen\\radio_vc.txd")",
    R"(HostStream.FindChunk "radio_vc.txd" 22 null null)",
    R"(HostStream.ReadDictionary "radio_vc.txd")",
    R"(HostStream.Close "radio_vc.txd")",
    R"(HostTxd.FindTexture "hud_vc.txd" "clrect")",
    R"(HostTxd.FindTexture "hud_vc.txd" "bar")",
    R"(HostTxd.FindTexture "hud_vc.txd" "star")",
    R"(HostTxd.FindTexture "hud_vc.txd" "timerbar")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "siterocket")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "sitesniper")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "sitelaser")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "siteM16")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "viewfinder_128")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "laserdot")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "snipertarget")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "assault")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "shotgun")",
    R"(HostTxd.FindTexture "crosshairs_vc.txd" "smg")",
    R"(HostStream.Open 2 1 "slate_pane_morrowfen\\phone.txd")",
    R"(HostStream.FindChunk "phone.txd" 22 null null)",
    R"(HostStream.ReadDictionary "phone.txd")",
    R"(HostStream.Close "phone.txd")",
    R"(HostTxd.FindSlot "hud")",
    "HostTxd.PushCurrent 1",
    R"(HostSprite.SetTexture null "radar_centre")",
    "HostTxd.PopCurrent",
};

// The load with one file missing: its open fails and the host's current
// dictionary, "generic", stands in, so the three calls after the open become
// one HostTxd.GetCurrent and the names are looked up in "generic".
std::vector<std::string> LoadWithout(const std::string& file) {
  const std::string quoted = '"' + file + '"';
  std::vector<std::string> out;
  for (const std::string& line : kLoad) {
    if (line.rfind("HostStream.Open ", 0) == 0 && line.ends_with("\\\\" + file + '"')) {
      out.push_back(line);
      out.push_back("HostTxd.GetCurrent");
    } else if (line.rfind("HostStream.", 0) == 0 && line.find(quoted) != std::string::npos) {
      continue;
    } else if (line.rfind("HostTxd.FindTexture " + quoted, 0) == 0) {
      out.push_back("HostTxd.FindTexture \"generic\"" + line.substr(20 + quoted.size()));
    } else {
      out.push_back(line);
    }
  }
  return out;
}

class HudTexturesTest : public testing::Test {
 protected:
  void SetUp() override {
    textures::reset();
    hud_settings = HudSettings{};
    hud_textures = HudTextures{};
    EmptyAllHolders();
    for (const ShippedFile& f : kFiles) {
      write_game_file(Rel(f.file),
                      refhost::txd::dictionary_file(refhost::txd::named_textures(f.names)));
    }
    refhost::draw_log().clear();
  }
  void TearDown() override {
    for (const ShippedFile& f : kFiles) remove_game_file(Rel(f.file));
    textures::reset();
    hud_settings = HudSettings{};
    hud_textures = HudTextures{};
    EmptyAllHolders();
    refhost::draw_log().clear();
  }

  static TextureDictionary* Entry(std::size_t k) {
    TextureDictionary* entries[] = {&hud_textures.hud, &hud_textures.crosshair, &hud_textures.ring,
                                    &hud_textures.radio, &hud_textures.phone};
    return entries[k];
  }
};

TEST_F(HudTexturesTest, LoadsThroughTheHostInOrder) {
  load_hud_textures();
  EXPECT_EQ(Lines(), kLoad);
  for (std::size_t k = 0; k < 5; ++k) {
    SCOPED_TRACE(kFiles[k].file);
    EXPECT_TRUE(Entry(k)->owned);
    EXPECT_EQ(textures::dictionary_label(Entry(k)->handle),
              '"' + std::string(kFiles[k].file) + '"');
  }
  EXPECT_EQ(refhost::streams::open_streams(), 0);
  // The host's current dictionary is back as it was.
  EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("generic"));
}

TEST_F(HudTexturesTest, EachHolderGetsItsTexture) {
  load_hud_textures();
  struct Case {
    const SpriteHolder* holder;
    const char* name;
    void* dictionary;
  };
  std::vector<Case> cases = {
      {&RadarCentreSprite, "radar_centre", textures::store_dictionary("hud")}};
  for (std::size_t k = 0; k < kHudNames.size(); ++k) {
    cases.push_back({&HudSet[k + 1], kHudNames[k].c_str(), hud_textures.hud.handle});
  }
  for (std::size_t k = 0; k < kCrosshairNames.size(); ++k) {
    cases.push_back({&CrosshairSet[k], kCrosshairNames[k].c_str(), hud_textures.crosshair.handle});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::uint32_t handle = c.holder->texture;
    EXPECT_EQ(textures::texture_name(handle), c.name);
    EXPECT_EQ(handle, reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(c.dictionary, c.name)));
    // What the plug-in reads of a texture: its raster, first.
    std::uint32_t raster = 0;
    std::memcpy(&raster, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(handle)), 4);
    EXPECT_NE(raster, 0u);
    EXPECT_EQ(raster, textures::texture_raster(handle));
  }
  // The radar fills entry 0 itself; the wheels fill theirs each frame.
  EXPECT_EQ(HudSet[0].texture, 0u);
  EXPECT_EQ(RingSet[0].texture, 0u);
  EXPECT_EQ(SlotIcons[0].texture, 0u);
  EXPECT_EQ(StationIcon.texture, 0u);
  EXPECT_EQ(PhoneSprite.texture, 0u);
}

TEST_F(HudTexturesTest, MissingFileFallsBackToTheHostsCurrentDictionary) {
  const std::vector<std::string> without_hud = LoadWithout("hud_vc.txd");
  ASSERT_EQ(without_hud.size(), 36u);
  EXPECT_EQ(std::vector<std::string>(without_hud.begin(), without_hud.begin() + 3),
            (std::vector<std::string>{
                R"(HostStream.Open 2 1 "slate_pane_morrowfen\\hud_vc.txd")", "HostTxd.GetCurrent",
                R"(HostStream.Open 2 1 "slate_pane_morrowfen\\crosshairs_vc.txd")"}));
  EXPECT_EQ(without_hud[14], R"(HostTxd.FindTexture "generic" "clrect")");
  for (std::size_t missing = 0; missing < 5; ++missing) {
    SCOPED_TRACE(kFiles[missing].file);
    textures::reset();
    hud_textures = HudTextures{};
    EmptyAllHolders();
    remove_game_file(Rel(kFiles[missing].file));
    refhost::draw_log().clear();
    load_hud_textures();
    EXPECT_EQ(Lines(), LoadWithout(kFiles[missing].file));
    EXPECT_EQ(Entry(missing)->handle, textures::store_dictionary("generic"));
    EXPECT_FALSE(Entry(missing)->owned);
    write_game_file(
        Rel(kFiles[missing].file),
        refhost::txd::dictionary_file(refhost::txd::named_textures(kFiles[missing].names)));
  }
}

TEST_F(HudTexturesTest, NamesAreSearchedInWhateverTheHostHasCurrent) {
  remove_game_file(Rel("hud_vc.txd"));
  textures::add_store_dictionary("menu", {"bar", "timerbar"});
  textures::make_current("menu");
  load_hud_textures();
  EXPECT_EQ(hud_textures.hud.handle, textures::store_dictionary("menu"));
  EXPECT_EQ(textures::texture_name(HudSet[1].texture), "");
  EXPECT_EQ(textures::texture_name(HudSet[2].texture), "bar");
  EXPECT_EQ(textures::texture_name(HudSet[3].texture), "");
  EXPECT_EQ(textures::texture_name(HudSet[4].texture), "timerbar");
  // A name the host does not have leaves the empty handle it answers.
  EXPECT_EQ(HudSet[1].texture, 0u);
  EXPECT_EQ(textures::texture_name(RadarCentreSprite.texture), "radar_centre");
  EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("menu"));
}

TEST_F(HudTexturesTest, UnreadableFilesFallBackAndAreClosed) {
  const std::string valid = refhost::txd::dictionary_file(refhost::txd::named_textures(kHudNames));
  const std::string body = refhost::txd::dictionary_body(refhost::txd::named_textures(kHudNames));
  struct Case {
    const char* what;
    std::string contents;
    bool chunk_found;
  };
  const Case cases[] = {
      {"empty file", "", false},
      {"no dictionary chunk", refhost::txd::chunk(7, 1, "other"), false},
      {"truncated", valid.substr(0, valid.size() - 1), false},
      {"oversized length", refhost::txd::chunk(22, 1, body).replace(4, 4, "\xFF\xFF\xFF\x7F"),
       false},
      {"garbage body", refhost::txd::chunk(22, 1, std::string(40, '\x5A')), true},
      {"unknown version", refhost::txd::chunk(22, 3, body), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    textures::reset();
    hud_textures = HudTextures{};
    write_game_file(Rel("hud_vc.txd"), c.contents);
    refhost::draw_log().clear();
    load_hud_textures();
    std::vector<std::string> expected = {
        R"(HostStream.Open 2 1 "slate_pane_morrowfen\\hud_vc.txd")",
        R"(HostStream.FindChunk "hud_vc.txd" 22 null null)"};
    if (c.chunk_found) expected.push_back(R"(HostStream.ReadDictionary "hud_vc.txd")");
    expected.push_back(R"(HostStream.Close "hud_vc.txd")");
    expected.push_back("HostTxd.GetCurrent");
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
    EXPECT_EQ(hud_textures.hud.handle, textures::store_dictionary("generic"));
    EXPECT_FALSE(hud_textures.hud.owned);
    EXPECT_EQ(refhost::streams::open_streams(), 0);
  }
}

// What the holders held at each HostTxd.Destroy, to place the silent steps of
// the release between the calls.
struct AtDestroy {
  std::string dictionary;
  std::uint32_t tile, hud1, crosshair0, slot0, ring0, phone;
};

TEST_F(HudTexturesTest, ReleasesInOrderAndEmptiesEveryHolder) {
  load_hud_textures();
  // What the radar, the wheels and the phone will have put in their holders.
  HostTxd::PushCurrent(HostTxd::FindSlot("radar07"));
  HostSprite::SetTexture(&RadarTileSprite, "radar07");
  HostTxd::PopCurrent();
  auto find = [](const TextureDictionary& d, const char* name) {
    return static_cast<std::uint32_t>(
        reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(d.handle, name)));
  };
  HudSet[0].texture = find(hud_textures.hud, "blrect");
  RingSet[0].texture = find(hud_textures.ring, "sring");
  RingSet[1].texture = find(hud_textures.ring, "shl");
  for (int k = 0; k < 10; ++k)
    SlotIcons[k].texture = find(hud_textures.ring, std::to_string(k).c_str());
  StationIcon.texture = find(hud_textures.radio, "3");
  PhoneSprite.texture = find(hud_textures.phone, "phone");

  std::vector<AtDestroy> seen;
  textures::on_destroy([&seen](const std::string& label) {
    seen.push_back({label, RadarTileSprite.texture, HudSet[1].texture, CrosshairSet[0].texture,
                    SlotIcons[0].texture, RingSet[0].texture, PhoneSprite.texture});
  });
  refhost::draw_log().clear();
  release_hud_textures();

  EXPECT_EQ(Lines(),
            (std::vector<std::string>{
                R"(HostSprite.Release "radar_centre")", "HostRadar.Shutdown",
                R"(HostTxd.Destroy "hud_vc.txd")", R"(HostTxd.Destroy "ring_vc.txd")",
                R"(HostTxd.Destroy "radio_vc.txd")", R"(HostTxd.Destroy "crosshairs_vc.txd")",
                R"(HostTxd.Destroy "phone.txd")"}));
  ASSERT_EQ(seen.size(), 5u);
  // The tile is emptied before the first destroy; the holders only after the
  // four destroys, and the phone picture last of all.
  for (std::size_t k = 0; k < 4; ++k) {
    SCOPED_TRACE(seen[k].dictionary);
    EXPECT_EQ(seen[k].tile, 0u);
    EXPECT_NE(seen[k].hud1, 0u);
    EXPECT_NE(seen[k].crosshair0, 0u);
    EXPECT_NE(seen[k].slot0, 0u);
    EXPECT_NE(seen[k].ring0, 0u);
    EXPECT_NE(seen[k].phone, 0u);
  }
  EXPECT_EQ(seen[4].dictionary, "\"phone.txd\"");
  EXPECT_EQ(seen[4].hud1 | seen[4].crosshair0 | seen[4].slot0 | seen[4].ring0, 0u);
  EXPECT_NE(seen[4].phone, 0u);
  EXPECT_EQ(PhoneSprite.texture, 0u);

  // Its dictionary is gone: kept, the texture would be destroyed again at exit.
  EXPECT_EQ(StationIcon.texture, 0u);
  for (const SpriteHolder& h : HudSet) EXPECT_EQ(h.texture, 0u);
  for (const SpriteHolder& h : RingSet) EXPECT_EQ(h.texture, 0u);
  for (const SpriteHolder& h : SlotIcons) EXPECT_EQ(h.texture, 0u);
  for (const ShippedFile& f : kFiles) {
    SCOPED_TRACE(f.file);
    EXPECT_EQ(textures::destroy_calls(f.file), 1);
  }
  // Only the host's own dictionaries are left, none of them destroyed.
  const std::vector<std::string> live = textures::live_dictionaries();
  ASSERT_EQ(live.size(), 66u);
  EXPECT_EQ(live[0], "generic");
  EXPECT_EQ(live[1], "hud");
  EXPECT_EQ(live[65], "radar63");
}

TEST_F(HudTexturesTest, FallbackHandlesAreNeverDestroyed) {
  struct Case {
    const char* what;
    std::vector<bool> readable;
    std::vector<std::string> destroyed;
  };
  const Case cases[] = {
      {"no files", {false, false, false, false, false}, {}},
      {"ring missing",
       {true, true, false, true, true},
       {"hud_vc.txd", "radio_vc.txd", "crosshairs_vc.txd", "phone.txd"}},
      {"hud and phone missing",
       {false, true, true, true, false},
       {"ring_vc.txd", "radio_vc.txd", "crosshairs_vc.txd"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    textures::reset();
    hud_textures = HudTextures{};
    for (std::size_t k = 0; k < 5; ++k) {
      if (c.readable[k]) {
        write_game_file(Rel(kFiles[k].file), refhost::txd::dictionary_file(
                                                 refhost::txd::named_textures(kFiles[k].names)));
      } else {
        remove_game_file(Rel(kFiles[k].file));
      }
    }
    load_hud_textures();
    refhost::draw_log().clear();
    release_hud_textures();
    std::vector<std::string> destroys;
    for (const refhost::RecordedCall& call : refhost::draw_log().named("HostTxd.Destroy")) {
      destroys.push_back(call.text_arg(0));
    }
    EXPECT_EQ(destroys, c.destroyed);
    EXPECT_EQ(textures::destroy_calls("generic"), 0);
    EXPECT_EQ(textures::current_dictionary(), textures::store_dictionary("generic"));
    EXPECT_NE(textures::store_dictionary("generic"), nullptr);
    EXPECT_EQ(hud_textures.hud.handle, nullptr);
    EXPECT_EQ(hud_textures.phone.handle, nullptr);
  }
}

TEST_F(HudTexturesTest, EveryHolderTheLoadFilledIsEmptyUntilTheNextLoad) {
  for (int start = 1; start <= 2; ++start) {
    SCOPED_TRACE(start);
    load_hud_textures();
    for (const SpriteHolder& h : CrosshairSet) EXPECT_NE(h.texture, 0u);
    release_hud_textures();
    for (const SpriteHolder* h :
         {&HudSet[1], &HudSet[2], &HudSet[3], &HudSet[4], &RadarCentreSprite}) {
      EXPECT_EQ(h->texture, 0u);
    }
    for (const SpriteHolder& h : CrosshairSet) EXPECT_EQ(h.texture, 0u);
  }
  // A second stop without a start destroys nothing twice.
  refhost::draw_log().clear();
  release_hud_textures();
  EXPECT_TRUE(refhost::draw_log().named("HostTxd.Destroy").empty());
}

TEST_F(HudTexturesTest, LoadingAgainKeepsWhatTheFirstLoadLeft) {
  load_hud_textures();
  refhost::draw_log().clear();
  load_hud_textures();
  // The same calls; the radar centre is set over what it already holds.
  std::vector<std::string> expected = kLoad;
  expected[expected.size() - 2] = R"(HostSprite.SetTexture "radar_centre" "radar_centre")";
  EXPECT_EQ(Lines(), expected);
  EXPECT_TRUE(refhost::draw_log().named("HostTxd.Destroy").empty());
  int hud_dictionaries = 0;
  for (const std::string& name : textures::live_dictionaries())
    hud_dictionaries += name == "hud_vc.txd";
  EXPECT_EQ(hud_dictionaries, 2);
}

// The event lives as long as the process, and its first handler intercepts
// the host's frame step for good; the starts are played in a child process so
// that the tests after this one find the host's call site untouched.
TEST_F(HudTexturesTest, EachStartWithAReloadKeyAddsOnePoll) {
  EXPECT_EXIT(
      {
        const std::size_t first = FrameStepEvent().size(HudEvent::List::After);
        std::string added;
        for (std::int32_t reload : {0, 0x52, 0x52, 0, -1}) {
          hud_settings.RELOAD_SETTINGS = reload;
          load_hud_textures();
          release_hud_textures();
          added += " " + std::to_string(FrameStepEvent().size(HudEvent::List::After) - first);
        }
        // Attaching the poll makes no host call of its own.
        hud_settings.RELOAD_SETTINGS = 0x52;
        refhost::draw_log().clear();
        load_hud_textures();
        const bool same = Lines() == kLoad;
        std::fprintf(stderr, "polls added:%s; calls as without a key: %s\n", added.c_str(),
                     same ? "yes" : "no");
        std::exit(0);
      },
      testing::ExitedWithCode(0), "polls added: 0 1 2 2 3; calls as without a key: yes");
}

}  // namespace
