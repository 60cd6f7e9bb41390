#include "wheels/name_tables.h"

#include <gtest/gtest.h>

namespace {

TEST(NameTables, WeaponNamesByType) {
  const std::pair<int, const char*> cases[] = {
      {0, "Unarmed"}, {13, "Remote Detonation Grenades"}, {16, "Camera"},
      {25, "MP-5"},   {29, "Laser Scoped Sniper Rifle"},  {35, "_"},
      {36, "Camera"}};
  for (const auto& [type, name] : cases) {
    SCOPED_TRACE(type);
    ASSERT_NE(WeaponName(type), nullptr);
    EXPECT_EQ(*WeaponName(type), name);
  }
  EXPECT_EQ(WeaponNames().size(), 37u);
  EXPECT_EQ(WeaponName(37), nullptr);
  EXPECT_EQ(WeaponName(-1), nullptr);
}

TEST(NameTables, StationNamesByNumber) {
  const std::pair<int, const char*> cases[] = {
      {0, "Wildstyle"}, {3, "Fever 103"}, {7, "Emotion 98.3"}, {9, "MP3 Player"}, {10, "OFF"}};
  for (const auto& [station, name] : cases) {
    SCOPED_TRACE(station);
    ASSERT_NE(StationName(station), nullptr);
    EXPECT_EQ(*StationName(station), name);
  }
  EXPECT_EQ(StationNames().size(), 11u);
  EXPECT_EQ(StationName(11), nullptr);
}

}  // namespace
