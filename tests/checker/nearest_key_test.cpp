#include "nearest_key.h"

#include <gtest/gtest.h>

#include <string>

#include "known_keys.h"

namespace {

TEST(NearestKeyTest, EditDistance) {
  EXPECT_EQ(EditDistance("MONY_POS_TOP", "MONEY_POS_TOP"), 1u);
  EXPECT_EQ(EditDistance("kitten", "sitting"), 3u);
  EXPECT_EQ(EditDistance("", "ABC"), 3u);
}

// A suggestion only when at most a third of the longer key changes.
TEST(NearestKeyTest, Suggestions) {
  const auto& layout = KnownKeys(FileRole::kLayout);
  EXPECT_EQ(NearestKey("RADARTYPE", layout), "RADAR_TYPE");
  EXPECT_EQ(NearestKey("RELOAD_SETTING", layout), "RELOAD_SETTINGS");
  EXPECT_EQ(NearestKey("SLOT3POS_TL", layout), "SLOT3POS_LT");
  EXPECT_EQ(NearestKey("ZONE", layout), "");
  EXPECT_EQ(NearestKey(std::string(100000, 'X'), layout), "");
}

}  // namespace
