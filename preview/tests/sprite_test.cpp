// Sprites, plain rectangles and Im2D fans on the picture, read back from PNG.
#include <gtest/gtest.h>

#include "picture.h"

namespace preview::testing {
namespace {

void ExpectColour(const Picture& p, int x, int y, Rgba expected) {
  const Rgba got = p.at(x, y);
  EXPECT_EQ(got, expected) << "at (" << x << ", " << y << "): " << int(got.r) << " " << int(got.g)
                           << " " << int(got.b) << " " << int(got.a);
}

class SpriteTest : public ::testing::Test {
 protected:
  SpriteTest() {
    library.add("hud_vc.txd", {quadrants("star"), solid("bar", kWhite)});
    library.add("ring_vc.txd", {solid("3", kRed)});
    library.add("radio_vc.txd", {solid("3", kBlue)});
    library.add("named.txd", {refhost::txd::TextureEntry("plain", 64, 64)});
    library.add(kHostStore,
                {solid("radar_north", kYellow), solid("radardisc", kBlue), solid("radar27", kGreen),
                 solid("radar28", kRed),
                 texture("radar30", 16, 16, [](int x, int) { return x < 8 ? kBlue : kWhite; })});
  }
  TextureLibrary library;
};

TEST_F(SpriteTest, ASpriteFillsItsRectangleWithItsTexture) {
  const Picture p = render("1 HostSprite.Draw \"star\" 100 300 300 100 255 255 255 255\n", library);
  ExpectColour(p, 150, 150, kRed);
  ExpectColour(p, 250, 150, kGreen);
  ExpectColour(p, 150, 250, kBlue);
  ExpectColour(p, 250, 250, kYellow);
  // Filled to its edges, and nothing beyond them.
  const Picture::Box ink = p.ink();
  EXPECT_EQ(ink.left, 100);
  EXPECT_EQ(ink.top, 100);
  EXPECT_EQ(ink.right, 299);
  EXPECT_EQ(ink.bottom, 299);
}

TEST_F(SpriteTest, SwappedEdgesMirror) {
  struct Case {
    const char* what;
    const char* rectangle;  // left bottom right top
    Rgba upper_left, upper_right, lower_left;
  };
  const Case cases[] = {
      {"left to right", "300 300 100 100", kGreen, kRed, kYellow},
      {"top to bottom", "100 100 300 300", kBlue, kYellow, kRed},
      {"both ways", "300 100 100 300", kYellow, kBlue, kGreen},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Picture p = render(
        std::string("1 HostSprite.Draw \"star\" ") + c.rectangle + " 255 255 255 255\n", library);
    ExpectColour(p, 150, 150, c.upper_left);
    ExpectColour(p, 250, 150, c.upper_right);
    ExpectColour(p, 150, 250, c.lower_left);
  }
}

TEST_F(SpriteTest, TheColourModulatesTheTexture) {
  const Picture p = render(
      "1 HostSprite.Draw \"bar\" 0 100 100 0 255 128 0 255\n"
      "1 HostSprite.Draw \"bar\" 200 100 300 0 255 255 255 128\n",
      library);
  ExpectColour(p, 50, 50, (Rgba{255, 128, 0, 255}));
  EXPECT_EQ(p.at(250, 50).a, 128);
  EXPECT_EQ(p.at(250, 50).r, 255);
}

TEST_F(SpriteTest, AQuadTakesItsCornersInTheHostsOrder) {
  // Bottom left, bottom right, top left, top right: here a rectangle again.
  const Picture p = render(
      "1 HostSprite.DrawQuad \"star\" 100 300 300 300 100 100 300 100 255 255 255 255\n", library);
  ExpectColour(p, 150, 150, kRed);
  ExpectColour(p, 250, 250, kYellow);
  // Turned a quarter: the texture's top now faces right.
  const Picture turned = render(
      "1 HostSprite.DrawQuad \"star\" 100 100 100 300 300 100 300 300 255 255 255 255\n", library);
  ExpectColour(turned, 250, 150, kRed);
  ExpectColour(turned, 150, 150, kBlue);
}

TEST_F(SpriteTest, EmptyHoldersAndPicturelessTexturesShowTheirColour) {
  const Picture p = render(
      "1 HostSprite.Draw null 0 100 100 0 10 20 30 255\n"
      "1 HostSprite.Draw \"plain\" 200 100 300 0 40 50 60 255\n"
      "1 HostSprite.DrawRect 400 100 500 0 70 80 90 255\n"
      "1 HostSprite.Draw \"star\" 0 300 100 200 -1\n",
      library);
  ExpectColour(p, 50, 50, (Rgba{10, 20, 30, 255}));
  ExpectColour(p, 250, 50, (Rgba{40, 50, 60, 255}));
  ExpectColour(p, 450, 50, (Rgba{70, 80, 90, 255}));
  // A sprite without a colour draws nothing.
  ExpectColour(p, 50, 250, kNothing);
}

TEST_F(SpriteTest, ANameMeansTheTextureLastLookedUp) {
  const Picture p = render(
      "1 HostTxd.FindTexture \"ring_vc.txd\" \"3\"\n"
      "1 HostSprite.Draw \"3\" 0 100 100 0 255 255 255 255\n"
      "1 HostTxd.FindTexture \"radio_vc.txd\" \"3\"\n"
      "1 HostSprite.Draw \"3\" 200 100 300 0 255 255 255 255\n",
      library);
  ExpectColour(p, 50, 50, kRed);
  ExpectColour(p, 250, 50, kBlue);
}

std::string Fan(float u0, float u1, const char* colour = "255 255 255 255") {
  // A square 100..300, its corners' texture coordinates from u0 to u1.
  const std::string a = std::to_string(u0), b = std::to_string(u1);
  return "1 HostIm2D.SetVertices 4 100 100 " + a + " 0 300 100 " + b + " 0 300 300 " + b +
         " 1 100 300 " + a + " 1 " + colour +
         "\n1 HostIm2D.RenderPrimitive 5 \"vertex buffer\" 4\n";
}

TEST_F(SpriteTest, ATriangleFanSamplesTheTileItsRasterNames) {
  struct Case {
    const char* what;
    std::string log;
    Rgba left, right;
  };
  const Case cases[] = {
      {"tile 27", "1 HostRender.SetState 1 27 \"radar27\"\n" + Fan(0, 1), kGreen, kGreen},
      {"tile 28", "1 HostRender.SetState 1 28 \"radar28\"\n" + Fan(0, 1), kRed, kRed},
      {"whole of tile 30", "1 HostRender.SetState 1 30 \"radar30\"\n" + Fan(0, 1), kBlue, kWhite},
      {"right half of 30", "1 HostRender.SetState 1 30 \"radar30\"\n" + Fan(0.5f, 1), kWhite,
       kWhite},
      {"left half of 30", "1 HostRender.SetState 1 30 \"radar30\"\n" + Fan(0, 0.5f), kBlue, kBlue},
      {"texturing off", "1 HostRender.SetState 1 0 null\n" + Fan(0, 1, "9 8 7 255"),
       (Rgba{9, 8, 7, 255}), (Rgba{9, 8, 7, 255})},
      {"a mask draws nothing",
       "1 HostIm2D.SetMaskVertices 4 100 100 300 100 300 300 100 300\n"
       "1 HostIm2D.RenderPrimitive 5 \"vertex buffer\" 4\n",
       kNothing, kNothing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Picture p = render(c.log, library);
    ExpectColour(p, 130, 200, c.left);
    ExpectColour(p, 270, 200, c.right);
    ExpectColour(p, 320, 200, kNothing);
  }
}

TEST_F(SpriteTest, NeighbouringFansMeetWithoutASeam) {
  const Picture p = render(
      "1 HostRender.SetState 1 27 \"radar27\"\n"
      "1 HostIm2D.SetVertices 3 100.3 100 0 0 200.6 100 1 0 100.3 300 0 1 255 255 255 255\n"
      "1 HostIm2D.RenderPrimitive 5 \"vertex buffer\" 3\n"
      "1 HostIm2D.SetVertices 3 200.6 100 1 0 200.6 300 1 1 100.3 300 0 1 255 255 255 255\n"
      "1 HostIm2D.RenderPrimitive 5 \"vertex buffer\" 3\n",
      library);
  for (int y = 101; y < 299; ++y) {
    for (int x = 101; x < 200; ++x) ASSERT_EQ(p.at(x, y), kGreen) << x << ", " << y;
  }
}

TEST_F(SpriteTest, RawSpritesFollowTheRenderStates) {
  // Destination blend 2 adds the sprite to what is there; 6 blends over it.
  const std::string under = "1 HostSprite.DrawRect 0 200 400 0 100 0 0 255\n";
  const std::string raw = "1 HostSprite.DrawRaw 100 100 100 50 50 0 120 0 255 1 255\n";
  const Picture added =
      render(under +
                 "1 HostRender.SetState 12 1\n1 HostRender.SetState 10 2\n"
                 "1 HostRender.SetState 11 2\n1 HostRender.SetState 1 9 \"bar\"\n" +
                 raw,
             library);
  ExpectColour(added, 100, 100, (Rgba{100, 120, 0, 255}));
  ExpectColour(added, 160, 100, (Rgba{100, 0, 0, 255}));
  const Picture blended =
      render(under + "1 HostRender.SetState 11 6\n1 HostRender.SetState 1 9 \"bar\"\n" +
                 "1 HostSprite.DrawRaw 100 100 100 50 50 0 120 0 128 1 255\n",
             library);
  // Vertex alpha off: the colour's opacity of 128 is not used.
  ExpectColour(blended, 100, 100, (Rgba{0, 120, 0, 255}));
}

TEST_F(SpriteTest, TheHostsOwnRadarMarks) {
  // On 1920 x 1080 a font unit is 2.25 pixels across and 2.41 down, a layout
  // unit one pixel.
  const Picture p = render(
      "1 HostRadar.DrawSprite 3 100 100 255\n"
      "1 HostRadar.DrawSprite 16 200 100 128\n"
      "1 HostRadar.DrawTrace 300 100 1 255 0 0 255 2\n"
      "1 HostRadar.DrawTrace 400 100 1 0 255 0 255 0\n"
      "1 HostRadar.DrawTrace 500 100 1 0 0 255 255 1\n",
      library, {1920, 1080});
  // Sprite 3 is the north marker, 5 font units each way: 11.25 by 12.05 pixels.
  ExpectColour(p, 100, 100, kYellow);
  ExpectColour(p, 110, 111, kYellow);
  ExpectColour(p, 113, 100, kNothing);
  ExpectColour(p, 200, 100, (Rgba{0, 0, 255, 128}));
  // Marks of size 1 reach 2 x 3 = 6 layout units from their centre.
  ExpectColour(p, 300, 100, kRed);
  ExpectColour(p, 303, 96, kRed);
  ExpectColour(p, 400, 98, kGreen);
  ExpectColour(p, 404, 96, kNothing);  // the upward triangle's upper corners are empty
  ExpectColour(p, 402, 104, kGreen);
  ExpectColour(p, 500, 98, kBlue);
  ExpectColour(p, 503, 95, kBlue);  // and the downward one's lower corners
  ExpectColour(p, 504, 104, kNothing);
}

TEST_F(SpriteTest, OnlyTheChosenFrameDrawsButEveryFrameKeepsState) {
  const std::string log =
      "0 HostTxd.FindTexture \"radio_vc.txd\" \"3\"\n"
      "1 HostSprite.Draw \"3\" 0 100 100 0 255 255 255 255\n"
      "1 HostRender.SetState 1 30 \"radar30\"\n"
      "1 HostIm2D.SetVertices 3 200 0 0.6 0 300 0 1 0 200 100 0.6 1 255 255 255 255\n"
      "2 HostIm2D.RenderPrimitive 5 \"vertex buffer\" 3\n";
  const Picture first = render(log, library, {640, 480}, 1);
  ExpectColour(first, 50, 50, kBlue);
  ExpectColour(first, 210, 10, kNothing);
  const Picture second = render(log, library, {640, 480}, 2);
  ExpectColour(second, 50, 50, kNothing);
  ExpectColour(second, 210, 10, kWhite);
}

}  // namespace
}  // namespace preview::testing
