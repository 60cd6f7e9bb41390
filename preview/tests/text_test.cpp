// The text printer on the picture: where a print's ink lands for each
// alignment, wrapping, the box, the shadow and the fade, read back from PNG.
#include <gtest/gtest.h>

#include <utility>

#include "picture.h"

namespace preview::testing {
namespace {

// At scale (1, 2.5) a glyph's em is 32 pixels wide and 40 tall.
constexpr const char* kStyle =
    "1 HostText.SetScale 1 2.5\n"
    "1 HostText.SetColour 0 255 0 255\n";
constexpr int kEmWidth = 32;
constexpr int kEmHeight = 40;

class TextTest : public ::testing::Test {
 protected:
  // The host's three fonts are drawn with DejaVu; another family would fail
  // the measurements below for a reason that is not theirs.
  void SetUp() override {
    const std::pair<const char*, bool> fonts[] = {
        {"DejaVu Serif", true}, {"DejaVu Sans", false}, {"DejaVu Sans", true}};
    for (const auto& [family, bold] : fonts) {
      ASSERT_EQ(resolved_family(family, bold), family)
          << "fontconfig has no " << family << (bold ? " Bold" : "")
          << ": the text tests need the DejaVu fonts (tools/install-deps preview)";
    }
  }
  Picture Print(const std::string& style, const std::string& text = "HUD") {
    return render(std::string(kStyle) + style + "1 HostText.Print 400 200 \"" + text + "\"\n",
                  library, {800, 600});
  }
  TextureLibrary library;
};

TEST_F(TextTest, ATextColoursItsBoxAndNothingFarOutside) {
  struct Case {
    const char* what;
    const char* style;
    int left, right;  // where the three capitals' ink may lie
  };
  const Case cases[] = {
      {"left of x", "", 400, 400 + 3 * kEmWidth},
      {"centred on x", "1 HostText.CentreOn\n", 400 - 3 * kEmWidth / 2, 400 + 3 * kEmWidth / 2},
      {"ending at x", "1 HostText.AlignRight\n", 400 - 3 * kEmWidth, 400},
      {"centring after right alignment", "1 HostText.AlignRight\n1 HostText.CentreOn\n",
       400 - 3 * kEmWidth / 2, 400 + 3 * kEmWidth / 2},
      {"right alignment after centring", "1 HostText.CentreOn\n1 HostText.AlignRight\n",
       400 - 3 * kEmWidth, 400},
      {"centring off keeps right alignment",
       "1 HostText.AlignRight\n1 HostText.CentreOn\n1 HostText.AlignRight\n1 HostText.CentreOff\n",
       400 - 3 * kEmWidth, 400},
      {"right alignment undone", "1 HostText.AlignRight\n1 HostText.ModeE\n", 400,
       400 + 3 * kEmWidth},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Picture p = Print(c.style);
    const Picture::Box ink = p.ink();
    // Capitals stand below the line's top (y = 200) and end within one line.
    EXPECT_GE(ink.left, c.left - 1);
    EXPECT_LE(ink.right, c.right + 1);
    EXPECT_GT(ink.top, 200);
    EXPECT_LT(ink.bottom, 200 + kEmHeight * 1.2);
    // Three capitals fill most of their box, in the text's colour.
    EXPECT_GT(ink.right - ink.left, 2 * kEmWidth);
    EXPECT_GT(ink.bottom - ink.top, kEmHeight / 2);
    int green = 0;
    for (int y = ink.top; y <= ink.bottom; ++y) {
      for (int x = ink.left; x <= ink.right; ++x) green += p.at(x, y) == (Rgba{0, 255, 0, 255});
    }
    EXPECT_GT(green, 300);
  }
}

TEST_F(TextTest, CentredTextIsCentredOnX) {
  const Picture::Box ink = Print("1 HostText.CentreOn\n", "OHO").ink();
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 400, 2);
}

TEST_F(TextTest, LinesWrapAtTheWrapXOrTheLineWidth) {
  struct Case {
    const char* what;
    const char* style;
    int lines;
  };
  const Case cases[] = {
      {"wrap x far away", "1 HostText.SetWrapX 2000\n", 1},
      {"wrap x close by", "1 HostText.SetWrapX 500\n", 2},
      {"centred, wide line", "1 HostText.CentreOn\n1 HostText.SetWrapX 500\n", 1},
      {"centred, narrow line", "1 HostText.CentreOn\n1 HostText.SetLineWidth 100\n", 2},
      {"right, narrow line", "1 HostText.AlignRight\n1 HostText.SetLineWidth 100\n", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Picture::Box ink = Print(c.style, "HUD HUD").ink();
    const int height = ink.bottom - ink.top;
    if (c.lines == 1) {
      EXPECT_LT(height, kEmHeight);
    } else {
      EXPECT_GT(height, kEmHeight);
      EXPECT_LT(height, 2 * kEmHeight * 1.3);
    }
  }
  // A line break in the text always breaks.
  const Picture::Box broken = Print("", "HUD\\nHUD").ink();
  EXPECT_GT(broken.bottom - broken.top, kEmHeight);
}

TEST_F(TextTest, TheBoxSitsBehindTheLine) {
  const Picture p = Print("1 HostText.SetBoxColour 0 0 255 255\n", "H H");
  // Between the two letters: the box, not the text.
  const Picture::Box ink = p.ink();
  EXPECT_EQ(p.at((ink.left + ink.right) / 2, ink.top + 10), kBlue);
  EXPECT_EQ(ink.left, 400);
  EXPECT_EQ(ink.top, 200);
  EXPECT_EQ(p.at(398, 210), kNothing);
}

TEST_F(TextTest, TheShadowLiesRightAndDown) {
  // Size 2 on a 600-pixel screen: 2 x 600 / 448 = 2.7 pixels each way.
  const Picture p = Print("1 HostText.SetShadowSize 2\n1 HostText.SetShadowColour 255 0 0 255\n");
  const Picture plain = Print("");
  const Picture::Box with = p.ink(), without = plain.ink();
  EXPECT_NEAR(with.right - without.right, 2.7, 1);
  EXPECT_NEAR(with.bottom - without.bottom, 2.7, 1);
  EXPECT_EQ(with.left, without.left);
  int red = 0;
  for (int y = with.top; y <= with.bottom; ++y) {
    for (int x = with.left; x <= with.right; ++x) red += p.at(x, y) == kRed;
  }
  EXPECT_GT(red, 20);
}

TEST_F(TextTest, AFadeAlphaOf128GivesHalfCoverage) {
  const long long full = Print("").total_alpha();
  const long long half = Print("1 HostText.SetFadeAlpha 128\n").total_alpha();
  ASSERT_GT(full, 0);
  EXPECT_NEAR(static_cast<double>(half) / full, 128.0 / 255.0, 0.01);
  // The box fades with the text.
  const Picture boxed =
      Print("1 HostText.SetBoxColour 0 0 255 255\n1 HostText.SetFadeAlpha 128\n", "H H");
  const Picture::Box ink = boxed.ink();
  EXPECT_EQ(boxed.at((ink.left + ink.right) / 2, ink.top + 10).a, 128);
}

TEST_F(TextTest, StyleCarriesOverFromEarlierFrames) {
  const std::string log =
      "1 HostText.SetScale 1 2.5\n1 HostText.SetColour 255 0 0 255\n"
      "2 HostText.Print 400 200 \"HUD\"\n";
  const Picture p = render(log, library, {800, 600}, 2);
  const Picture::Box ink = p.ink();
  ASSERT_LE(ink.left, ink.right);
  int red = 0;
  for (int y = ink.top; y <= ink.bottom; ++y) {
    for (int x = ink.left; x <= ink.right; ++x) red += p.at(x, y) == kRed;
  }
  EXPECT_GT(red, 300);
  // Frame 1 printed nothing.
  EXPECT_EQ(render(log, library, {800, 600}, 1).total_alpha(), 0);
}

TEST_F(TextTest, GlyphsTakeTheirSizeFromTheScale) {
  auto ink_of = [this](const char* scale) {
    return render(std::string("1 HostText.SetScale ") + scale +
                      "\n1 HostText.SetColour 255 255 255 255\n1 HostText.Print 100 100 \"H\"\n",
                  library, {800, 600})
        .ink();
  };
  const Picture::Box base = ink_of("1 2.5");
  const Picture::Box wide = ink_of("2 2.5");
  const Picture::Box tall = ink_of("1 5");
  const double width = base.right - base.left + 1, height = base.bottom - base.top + 1;
  // A capital H of font 0 stands about 0.73 em tall: 0.73 x 16 x 2.5 = 29 pixels.
  EXPECT_NEAR(height, 29, 2);
  EXPECT_NEAR((wide.right - wide.left + 1) / width, 2, 0.1);
  EXPECT_NEAR(wide.bottom - wide.top + 1, height, 1);
  EXPECT_NEAR((tall.bottom - tall.top + 1) / height, 2, 0.1);
  EXPECT_NEAR(tall.right - tall.left + 1, width, 1);
}

TEST_F(TextTest, EachHostFontHasItsOwnFace) {
  auto ink_sum = [this](int font) {
    return render("1 HostText.SetScale 1 2.5\n1 HostText.SetFont " + std::to_string(font) +
                      "\n1 HostText.Print 100 100 \"Hamburg\"\n",
                  library, {800, 600})
        .total_alpha();
  };
  const long long serif_bold = ink_sum(0), sans = ink_sum(1), sans_bold = ink_sum(2);
  EXPECT_NE(serif_bold, sans_bold);
  EXPECT_GT(sans_bold, sans * 1.2);  // bold carries more ink
  EXPECT_EQ(ink_sum(7), sans);       // an unknown font number prints as font 1
}

TEST_F(TextTest, ScalesThatCannotShowPrintNothing) {
  for (const char* scale : {"0 2.5", "1 -1", "nan 1", "inf 1"}) {
    SCOPED_TRACE(scale);
    const Picture p =
        render(std::string("1 HostText.SetScale ") + scale + "\n1 HostText.Print 400 200 \"HUD\"\n",
               library, {800, 600});
    EXPECT_EQ(p.total_alpha(), 0);
  }
}

}  // namespace
}  // namespace preview::testing
