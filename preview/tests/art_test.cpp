// The art written into the dictionaries: the names the plug-in and the host
// look up, real pictures, and map tiles that join up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <span>

#include "hud_art.h"
#include "txd_file.h"

namespace {

using refhost::txd::TextureEntry;

std::vector<std::string> Names(const std::vector<TextureEntry>& textures) {
  std::vector<std::string> out;
  for (const TextureEntry& t : textures) out.push_back(t.name);
  return out;
}

std::vector<std::string> Numbered(int last) {
  std::vector<std::string> out;
  for (int k = 0; k <= last; ++k) out.push_back(std::to_string(k));
  return out;
}

const std::uint8_t* Pixel(const TextureEntry& t, int x, int y) {
  return &t.rgba[(static_cast<std::size_t>(y) * t.width + x) * 4];
}

TEST(HudArt, EachDictionaryHoldsTheNamesLookedUpInIt) {
  std::vector<std::string> ring = {"sring", "shl"};
  for (const std::string& n : Numbered(36)) ring.push_back(n);
  const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
      {"hud_vc.txd", {"clrect", "blrect", "bar", "star", "timerbar"}},
      {"crosshairs_vc.txd",
       {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128", "laserdot",
        "snipertarget", "assault", "shotgun", "smg"}},
      {"ring_vc.txd", ring},
      {"radio_vc.txd", Numbered(10)},
      {"phone.txd", {"phone", "phone_class"}},
  };
  const std::vector<art::Dictionary> shipped = art::shipped_dictionaries();
  ASSERT_EQ(shipped.size(), expected.size());
  for (std::size_t k = 0; k < shipped.size(); ++k) {
    SCOPED_TRACE(shipped[k].file);
    EXPECT_EQ(shipped[k].file, expected[k].first);
    EXPECT_EQ(Names(shipped[k].textures), expected[k].second);
    // Written as a pixel dictionary the host's reader takes back whole.
    const std::string file =
        refhost::txd::dictionary_file(shipped[k].textures, refhost::txd::kPixelDictionaryVersion);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
    EXPECT_EQ(refhost::txd::read_dictionary(bytes.subspan(12), 2), shipped[k].textures);
  }
}

TEST(HudArt, EveryTextureIsAPicture) {
  std::vector<TextureEntry> all = art::host_store_textures();
  for (const art::Dictionary& d : art::shipped_dictionaries()) {
    all.insert(all.end(), d.textures.begin(), d.textures.end());
  }
  for (const TextureEntry& t : all) {
    SCOPED_TRACE(t.name);
    ASSERT_EQ(t.rgba.size(), std::size_t{t.width} * t.height * 4);
    int solid = 0;
    std::set<std::uint32_t> colours;
    for (std::size_t p = 0; p < t.rgba.size(); p += 4) {
      solid += t.rgba[p + 3] >= 192;
      colours.insert(t.rgba[p] | t.rgba[p + 1] << 8 | t.rgba[p + 2] << 16 | t.rgba[p + 3] << 24);
    }
    EXPECT_GT(solid, 0);
    // A plain white, and the open sea of a corner tile, are single colours.
    if (t.name != "white" && !t.name.starts_with("radar")) {
      EXPECT_GT(colours.size(), 2u);
    }
  }
}

TEST(HudArt, WeaponIconsAllDiffer) {
  std::set<std::string> icons;
  for (int type = 0; type <= 36; ++type) {
    const std::vector<std::uint8_t> rgba = art::weapon_icon(type).rgba;
    icons.insert(std::string(rgba.begin(), rgba.end()));
  }
  EXPECT_EQ(icons.size(), 37u);
}

// Unturned, the weapon wheel lays the indicator's picture a quarter turn
// anticlockwise (its top to the screen's left), and the layout puts slot 0's
// icon 108 degrees clockwise of the right of the centre (below, just left).
// So the indicator must lie 198 degrees clockwise of the right on its picture,
// and every step of the wheel then brings it under the slot in hand.
TEST(HudArt, UnturnedIndicatorLiesOverSlotZero) {
  const std::vector<TextureEntry> ring = art::ring_textures();
  ASSERT_EQ(ring[1].name, "shl");
  const TextureEntry& shl = ring[1];
  double sx = 0, sy = 0, weight = 0;
  for (int y = 0; y < shl.height; ++y) {
    for (int x = 0; x < shl.width; ++x) {
      const double a = Pixel(shl, x, y)[3];
      sx += a * (x + 0.5 - shl.width / 2.0);
      sy += a * (y + 0.5 - shl.height / 2.0);
      weight += a;
    }
  }
  ASSERT_GT(weight, 0);
  const double clockwise = std::atan2(sy, sx) * 180 / M_PI;
  EXPECT_NEAR(std::remainder(clockwise - 198.0, 360.0), 0.0, 2.0);
  // A segment of the ring, not a blob at the middle.
  EXPECT_GT(std::hypot(sx, sy) / weight, shl.width * 0.3);
}

// Mean difference of two pixel columns (or rows) taken from two tiles.
double EdgeDifference(const TextureEntry& a, const TextureEntry& b, bool across_columns) {
  double sum = 0;
  const int n = a.width;
  for (int k = 0; k < n; ++k) {
    const std::uint8_t* p = across_columns ? Pixel(a, n - 1, k) : Pixel(a, k, n - 1);
    const std::uint8_t* q = across_columns ? Pixel(b, 0, k) : Pixel(b, k, 0);
    for (int c = 0; c < 3; ++c) sum += std::abs(p[c] - q[c]);
  }
  return sum / (3.0 * n);
}

TEST(HudArt, MapTilesJoinIntoOneMap) {
  const std::vector<TextureEntry> tiles = art::map_tiles();
  ASSERT_EQ(tiles.size(), 64u);
  EXPECT_EQ(tiles[0].name, "radar00");
  EXPECT_EQ(tiles[27].name, "radar27");
  EXPECT_EQ(tiles[63].name, "radar63");
  // Neighbours agree along their shared edge far better than the tiles'
  // opposite edges agree with each other.
  double joined = 0, unrelated = 0;
  int pairs = 0;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 7; ++column) {
      const TextureEntry& left = tiles[row * 8 + column];
      const TextureEntry& right = tiles[row * 8 + column + 1];
      joined += EdgeDifference(left, right, true);
      unrelated += EdgeDifference(right, left, true);
      ++pairs;
    }
  }
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 8; ++column) {
      joined += EdgeDifference(tiles[row * 8 + column], tiles[row * 8 + column + 8], false);
      unrelated += EdgeDifference(tiles[row * 8 + column + 8], tiles[row * 8 + column], false);
      ++pairs;
    }
  }
  EXPECT_LT(joined / pairs, 6.0);
  EXPECT_GT(unrelated / pairs, 3 * joined / pairs);
  // The map has land and water: the corner tile is open sea, the middle is not.
  EXPECT_NE(std::vector<std::uint8_t>(Pixel(tiles[0], 64, 64), Pixel(tiles[0], 64, 64) + 3),
            std::vector<std::uint8_t>(Pixel(tiles[35], 64, 64), Pixel(tiles[35], 64, 64) + 3));
}

}  // namespace
