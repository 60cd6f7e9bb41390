// The frame decoder: the same bytes give the same host state, an input that
// has run out only advances the clock, and chosen bytes make the states the
// fuzzer needs (a text without its terminator, the HUD gates, layout lines).
#include "frame_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "byte_source.h"
#include "frame_loop.h"
#include "host_image.h"
#include "scenario.h"

namespace {

using fuzzing::FrameDecoder;
using fuzzing::InputBytes;
using fuzzing::LayoutLines;
using fuzzing::SeededBytes;

class FrameDecoderTest : public testing::Test {
 protected:
  void SetUp() override {
    refhost::set_current_image(&image_);
    image_.clear_data();
    refhost::set_up(image_, refhost::Scenario{});
  }
  void TearDown() override { refhost::set_current_image(nullptr); }

  std::vector<std::uint8_t> Data() const {
    return {image_.at(refhost::HostImage::kCodeEnd), image_.at(refhost::HostImage::kEnd)};
  }
  void Decode(const std::vector<std::uint8_t>& input, int frames = 1) {
    InputBytes bytes(input.data(), input.size());
    FrameDecoder decoder(bytes);
    for (int k = 0; k < frames; ++k) decoder.Frame(image_, layout_);
  }

  refhost::HostImage image_{100};
  LayoutLines layout_;
};

// splitmix64's published first outputs for seed 0, low byte first.
TEST(SeededBytesTest, GivesSplitmixBytes) {
  SeededBytes bytes(0);
  std::uint64_t first = 0;
  for (int k = 0; k < 8; ++k) first |= static_cast<std::uint64_t>(bytes.Byte()) << (8 * k);
  EXPECT_EQ(first, 0xE220A8397B1DCDAFull);
  std::uint64_t second = 0;
  for (int k = 0; k < 8; ++k) second |= static_cast<std::uint64_t>(bytes.Byte()) << (8 * k);
  EXPECT_EQ(second, 0x6E789E6AA1B965F4ull);
  EXPECT_FALSE(bytes.Exhausted());
}

TEST(InputBytesTest, GivesTheInputThenZeros) {
  const std::uint8_t input[] = {7, 0x34, 0x12};
  InputBytes bytes(input, sizeof input);
  EXPECT_EQ(bytes.Byte(), 7);
  EXPECT_EQ(bytes.Word(), 0x1234);
  EXPECT_TRUE(bytes.Exhausted());
  EXPECT_EQ(bytes.Dword(), 0u);
}

TEST_F(FrameDecoderTest, SameSeedSameHostState) {
  std::vector<std::uint8_t> runs[3];
  const std::uint64_t seeds[] = {7, 7, 8};
  for (int run = 0; run < 3; ++run) {
    SetUp();
    SeededBytes bytes(seeds[run]);
    FrameDecoder decoder(bytes);
    for (int frame = 0; frame < 200; ++frame) decoder.Frame(image_, layout_);
    runs[run] = Data();
  }
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_NE(runs[0], runs[2]);
}

TEST_F(FrameDecoderTest, InputRunOutOnlyAdvancesTheClock) {
  const std::vector<std::uint8_t> before = Data();
  Decode({}, 3);
  EXPECT_EQ(image_.get<std::int32_t>("HostTime.NowMs"), 100060);
  EXPECT_EQ(image_.get<float>("HostTime.Step"), 1.0f);
  EXPECT_EQ(image_.get<std::uint8_t>("HostTime.FrameCounter"), 3);
  std::vector<std::uint8_t> after = Data();
  // Only the clock's own bytes changed.
  std::size_t changed = 0;
  for (std::size_t k = 0; k < after.size(); ++k) changed += after[k] != before[k];
  EXPECT_LE(changed, 9u);
  EXPECT_TRUE(layout_.values.empty());
}

TEST_F(FrameDecoderTest, FillsATextWithoutItsTerminator) {
  // One change: a 16-bit text (3), the subtitle (1), filled (0) with 'C' (2).
  Decode({1, 3, 1, 0, 2});
  for (std::size_t k = 0; k < 256; ++k) {
    ASSERT_EQ(image_.get<char16_t>("HostSubtitle.Text", 2 * k), u'C') << k;
  }
}

TEST_F(FrameDecoderTest, SetsTheHudGates) {
  struct Case {
    std::uint8_t pick;
    std::uint8_t menu, show_hud, widescreen;
  } cases[] = {{0, 0, 1, 0}, {5, 1, 1, 0}, {6, 0, 0, 0}, {7, 0, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.pick));
    Decode({1, 11, c.pick});
    EXPECT_EQ(image_.get<std::uint8_t>("HostMenu.Active"), c.menu);
    EXPECT_EQ(image_.get<std::uint8_t>("HostMenu.ShowHud"), c.show_hud);
    EXPECT_EQ(image_.get<std::uint8_t>("HostCamera.Widescreen"), c.widescreen);
  }
}

TEST_F(FrameDecoderTest, WritesALayoutLine) {
  // One change: a layout line (9) for the first key (0), the fifth value (4),
  // kept as listed (1).
  Decode({1, 9, 0, 4, 1});
  ASSERT_EQ(layout_.values.size(), 1u);
  EXPECT_EQ(layout_.values.begin()->first, "VICE_CRY_RADAR_FIX");
  EXPECT_EQ(layout_.values.begin()->second, "-1");
  EXPECT_TRUE(layout_.changed);
}

// Every change the seeded bytes make is one the host accepts: a long run
// throws nothing, and reaches every gate and some layout lines.
TEST_F(FrameDecoderTest, LongSeededRunIsAccepted) {
  SeededBytes bytes(12345);
  FrameDecoder decoder(bytes);
  int open = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    ASSERT_NO_THROW(decoder.Frame(image_, layout_)) << frame;
    open += image_.get<std::uint8_t>("HostMenu.Active") == 0 &&
            image_.get<std::uint8_t>("HostMenu.ShowHud") != 0 &&
            image_.get<std::uint8_t>("HostCamera.Widescreen") == 0;
  }
  EXPECT_GT(open, 1000);
  EXPECT_LT(open, 3000);
  EXPECT_FALSE(layout_.values.empty());
}

}  // namespace
