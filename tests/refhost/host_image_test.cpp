#include "host_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "runtime/address_map.h"

namespace {

std::uint32_t Word(const refhost::HostImage& image, std::uint32_t address) {
  std::uint32_t value = 0;
  std::memcpy(&value, image.at(address), 4);
  return value;
}

TEST(HostImage, WritesOnlyItsOwnProbe) {
  for (int version : {100, 110, 120, 0}) {
    SCOPED_TRACE(version);
    refhost::HostImage image(version);
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(Word(image, kProbeAddress[k]) == kProbePrologue, kHostBuilds[k] == version);
    }
  }
}

TEST(HostImage, UnrecognisedBuildHasNoBoundSymbols) {
  refhost::HostImage image(0);
  EXPECT_EQ(image.symbol("HostTime.NowMs"), nullptr);
  EXPECT_EQ(image.symbol("HostPad.Get"), nullptr);
  EXPECT_NE(image.symbol("HostScreen.Width"), nullptr);
  EXPECT_THROW(image.get<int>("HostTime.NowMs"), std::out_of_range);
}

TEST(HostImage, VariablesAreCheckedByNameAndSize) {
  refhost::HostImage image(110);
  image.set<float>("HostText.BigMessageTimers", 7.5f, 8);
  EXPECT_EQ(image.get<float>("HostText.BigMessageTimers", 8), 7.5f);
  EXPECT_THROW(image.get<float>("HostText.BigMessageTimers", 24), std::out_of_range);
  EXPECT_THROW(image.get<int>("HostText.Print"), std::out_of_range);
  EXPECT_THROW(image.get<int>("HostNothing.Here"), std::out_of_range);
}

// The address map must place every symbol of a build apart from every other,
// code in the code pages and data in the data pages.
// Every byte of data reads zero again, the first and the last too, and the
// data can be written after; the code is left as it was.
TEST(HostImage, ClearDataZeroesAllOfTheDataAndNothingElse) {
  refhost::HostImage image(100);
  const std::vector<std::uint8_t> code(image.at(refhost::HostImage::kFirst),
                                       image.at(refhost::HostImage::kCodeEnd));
  image.set<std::int32_t>("HostScreen.Width", 1920);
  for (std::uint32_t a : {refhost::HostImage::kCodeEnd, refhost::HostImage::kEnd - 1}) {
    *image.at(a) = 0xA5;
  }
  image.clear_data();
  std::uint8_t* const data = image.at(refhost::HostImage::kCodeEnd);
  EXPECT_TRUE(std::all_of(data, image.at(refhost::HostImage::kEnd - 1) + 1,
                          [](std::uint8_t b) { return b == 0; }));
  EXPECT_TRUE(std::equal(code.begin(), code.end(), image.at(refhost::HostImage::kFirst)));
  image.set<std::int32_t>("HostScreen.Width", 640);
  EXPECT_EQ(image.get<std::int32_t>("HostScreen.Width"), 640);
}

TEST(AddressMap, SymbolsOfEachBuildDoNotOverlap) {
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(kHostBuilds[column]);
    struct Range {
      std::uint32_t first, end;
      const char* name;
    };
    std::vector<Range> ranges;
    for (const HostSymbol& s : kHostSymbols) {
      const std::uint32_t a = s.form == HostForm::FIXED ? s.address[0] : s.address[column];
      ASSERT_NE(a, 0u) << s.name;
      const bool routine = s.kind == HostKind::Routine;
      const std::uint32_t size = routine ? 0x40 : s.size;
      EXPECT_GE(a, routine ? refhost::HostImage::kFirst : refhost::HostImage::kCodeEnd) << s.name;
      EXPECT_LE(a + size, routine ? refhost::HostImage::kCodeEnd : refhost::HostImage::kEnd)
          << s.name;
      ranges.push_back({a, a + size, s.name});
    }
    for (std::uint32_t probe : kProbeAddress) ranges.push_back({probe, probe + 0x10, "probe"});
    for (const auto& site : kHostSiteAddress) {
      ranges.push_back({site[column], site[column] + 5, "site"});
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& x, const Range& y) { return x.first < y.first; });
    for (std::size_t k = 1; k < ranges.size(); ++k) {
      EXPECT_LE(ranges[k - 1].end, ranges[k].first)
          << ranges[k - 1].name << " overlaps " << ranges[k].name;
    }
  }
}

TEST(AddressMap, BoundSymbolsMoveBetweenBuilds) {
  int bound = 0;
  for (const HostSymbol& s : kHostSymbols) {
    if (s.form != HostForm::BOUND) continue;
    ++bound;
    EXPECT_NE(s.address[0], s.address[1]) << s.name;
    EXPECT_NE(s.address[1], s.address[2]) << s.name;
  }
  EXPECT_EQ(bound, 49);
  EXPECT_EQ(host_symbol(HostId::HostTime_NowMs).form, HostForm::BOUND);
  EXPECT_EQ(host_symbol(HostId::HostPad_Get).form, HostForm::BOUND);
  EXPECT_EQ(host_symbol(HostId::HostScreen_Width).form, HostForm::FIXED);
  EXPECT_EQ(host_symbol(HostId::HostSprite_DrawQuad).stack_bytes, 36u);
  EXPECT_EQ(host_symbol(HostId::HostSprite_DrawQuad).call, HostCall::Thiscall);
  EXPECT_TRUE(host_symbol(HostId::HostVector_Normalise).returns_float);
}

}  // namespace

namespace {

TEST(HostImage, SiteRoutinesHoldRelativeCallsToTheirTargets) {
  refhost::HostImage image(120);
  for (std::size_t k = 0; k < static_cast<std::size_t>(HostSite::Count); ++k) {
    const auto site = static_cast<HostSite>(k);
    SCOPED_TRACE(kHostSiteNames[k]);
    std::uint8_t* call = image.site(site);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call, image.at(kHostSiteAddress[k][2]));
    EXPECT_EQ(call[0], 0xE8);
    const int before = refhost::HostImage::site_target_calls(site);
    EXPECT_EQ(image.run_site_routine(site), refhost::HostImage::kSiteAnswer + k);
    EXPECT_EQ(refhost::HostImage::site_target_calls(site), before + 1);
  }
  refhost::HostImage unknown(0);
  EXPECT_EQ(unknown.site(HostSite::HudDraw), nullptr);
}

}  // namespace
