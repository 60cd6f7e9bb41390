// A draw log the reference host really wrote: the radar example committed in
// docs/examples, which the end-to-end runs keep equal to what the host writes
// today. The preview must read every call of it and put the map tiles and the
// bars where the host said, so that it cannot drift from the host's log format.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "picture.h"

#ifndef SLATEPANE_EXAMPLES_DIR
#error "SLATEPANE_EXAMPLES_DIR must name the repository's docs/examples folder"
#endif

namespace preview::testing {
namespace {

std::string ReadExample(const char* name) {
  std::ifstream in(std::string(SLATEPANE_EXAMPLES_DIR "/") + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ExampleLogTest, TheRadarExampleDrawsItsTilesAndBars) {
  TextureLibrary library;
  library.add("hud_vc.txd", {solid("clrect", kBlue), solid("bar", kWhite)});
  library.add(kHostStore, {solid("radar28", kRed), solid("radar35", kYellow),
                           solid("radar36", kGreen), solid("radar37", kYellow)});
  // render() also requires that no call of the log was left out.
  const Picture p = render(ReadExample("radar.build100.log"), library, {1920, 1080}, 2);
  const struct {
    const char* what;
    int x, y;
    Rgba colour;
  } cases[] = {
      {"tile radar28, a triangle at the map's top left", 80, 870, kRed},
      {"tile radar36, across the middle of the map", 250, 980, kGreen},
      {"the health bar, white tinted by its colour", 100, 1035, Rgba{186, 101, 50, 255}},
      {"the armour bar", 220, 1035, Rgba{124, 140, 95, 255}},
      {"the frame round the map", 48, 1042, kBlue},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Rgba got = p.at(c.x, c.y);
    EXPECT_EQ(got, c.colour) << int(got.r) << " " << int(got.g) << " " << int(got.b) << " "
                             << int(got.a);
  }
}

}  // namespace
}  // namespace preview::testing
