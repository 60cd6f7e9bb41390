#include "settings/load_hud_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "support/game_folder.h"

// Allocation fault injection: while armed, the n-th allocation from now throws.
namespace {
int allocations_until_failure = 0;
bool allocation_failed = false;
}  // namespace

// Kept out of line so that the compiler does not pair an inlined free() with a
// call of operator new and report a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  if (allocations_until_failure > 0 && --allocations_until_failure == 0) {
    allocation_failed = true;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// The library's nothrow form (the temporary buffer of std::stable_sort) must
// come from the same malloc as the delete above frees to; under the address
// sanitizer it would otherwise be the sanitizer's own.
[[gnu::noinline]] void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return ::operator new(size);
  } catch (...) {
    return nullptr;
  }
}
[[gnu::noinline]] void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

#ifndef SLATEPANE_DATA_DIR
#error "SLATEPANE_DATA_DIR must name the repository's data/slate_pane_morrowfen folder"
#endif

namespace {

using Field = std::variant<std::int32_t HudSettings::*, float HudSettings::*,
                           FloatPair HudSettings::*, bool HudSettings::*>;

struct LayoutKey {
  const char* key;
  Field field;
  const char* default_text;  // as the table writes it
};

// Every layout key but the slots and RELOAD_SETTINGS, in declaration order.
const LayoutKey kLayoutKeys[] = {
    {"VICE_CRY_RADAR_FIX", &HudSettings::VICE_CRY_RADAR_FIX, "1075"},
    {"HUD_SCALE", &HudSettings::HUD_SCALE, "0.44 0.859"},
    {"AMMO_SCALE", &HudSettings::AMMO_SCALE, "0.4263 0.82"},
    {"BIGTEXT_SCALE", &HudSettings::BIGTEXT_SCALE, "0.45 1.0"},
    {"MISSION_BUSTED_WASTED_SCALE", &HudSettings::MISSION_BUSTED_WASTED_SCALE, "0.45 1.0"},
    {"SUBTEXT_SCALE", &HudSettings::SUBTEXT_SCALE, "0.3739 0.7245"},
    {"MONEY_SCALE", &HudSettings::MONEY_SCALE, "0.44 0.859"},
    {"ENTITY_SQUARE_SCALE", &HudSettings::ENTITY_SQUARE_SCALE, "1.3"},
    {"ENTITY_TRIANGLE_SCALE", &HudSettings::ENTITY_TRIANGLE_SCALE, "1.3"},
    {"WASTED_BUSTED_OFFSET", &HudSettings::WASTED_BUSTED_OFFSET, "30"},
    {"INNER_RADAR_SCALE_A", &HudSettings::INNER_RADAR_SCALE_A, "53 258"},
    {"INNER_RADAR_SCALE_B", &HudSettings::INNER_RADAR_SCALE_B, "176 233"},
    {"OUTER_RADAR_SCALE_A", &HudSettings::OUTER_RADAR_SCALE_A, "43 317"},
    {"OUTER_RADAR_SCALE_B", &HudSettings::OUTER_RADAR_SCALE_B, "36 245"},
    {"BAR_HEALTH_POS_X_Y", &HudSettings::BAR_HEALTH_POS_X_Y, "49 40"},
    {"BAR_ARMOR_POS_X_Y", &HudSettings::BAR_ARMOR_POS_X_Y, "183 40"},
    {"BAR_THICKNESS", &HudSettings::BAR_THICKNESS, "10"},
    {"BAR_LENGTH_MULTIPLIER", &HudSettings::BAR_LENGTH_MULTIPLIER, "0.25"},
    {"ZONE_BOTTOM", &HudSettings::ZONE_BOTTOM, "40"},
    {"ZONE_RIGHT", &HudSettings::ZONE_RIGHT, "32"},
    {"VEHICLE_BOTTOM", &HudSettings::VEHICLE_BOTTOM, "60"},
    {"VEHICLE_RIGHT", &HudSettings::VEHICLE_RIGHT, "32"},
    {"MISSION_BOTTOM", &HudSettings::MISSION_BOTTOM, "40"},
    {"MISSION_RIGHT", &HudSettings::MISSION_RIGHT, "20"},
    {"CLOCK_RIGHT", &HudSettings::CLOCK_RIGHT, "4"},
    {"CLOCK_BOTTOM", &HudSettings::CLOCK_BOTTOM, "4"},
    {"CLOCK_SCALE", &HudSettings::CLOCK_SCALE, "0.31 0.6"},
    {"SUBTITLE_BOTTOM", &HudSettings::SUBTITLE_BOTTOM, "50"},
    {"SUBTITLE_OFFSET_L", &HudSettings::SUBTITLE_OFFSET_L, "50"},
    {"SUBTITLE_OFFSET_R", &HudSettings::SUBTITLE_OFFSET_R, "50"},
    {"ODDJOB_CENTRE", &HudSettings::ODDJOB_CENTRE, "40"},
    {"ODDJOB_RESULT_CENTRE", &HudSettings::ODDJOB_RESULT_CENTRE, "20"},
    {"WEAPON_AMMO_POS_TOP", &HudSettings::WEAPON_AMMO_POS_TOP, "75"},
    {"WEAPON_AMMO_POS_RIGHT", &HudSettings::WEAPON_AMMO_POS_RIGHT, "32"},
    {"WEAPON_AMMO_TRANSITION_GAP", &HudSettings::WEAPON_AMMO_TRANSITION_GAP, "20"},
    {"MONEY_POS_TOP", &HudSettings::MONEY_POS_TOP, "30"},
    {"MONEY_POS_RIGHT", &HudSettings::MONEY_POS_RIGHT, "33"},
    {"MONEY_TRANSITION_GAP", &HudSettings::MONEY_TRANSITION_GAP, "15"},
    {"WANTED_POS_TOP", &HudSettings::WANTED_POS_TOP, "40"},
    {"WANTED_POS_RIGHT", &HudSettings::WANTED_POS_RIGHT, "62"},
    {"WANTED_STAR_SCALE", &HudSettings::WANTED_STAR_SCALE, "33.33 33.33"},
    {"WANTED_STAR_SPACE", &HudSettings::WANTED_STAR_SPACE, "30"},
    {"TEXT_BOX_WIDTH", &HudSettings::TEXT_BOX_WIDTH, "50"},
    {"TEXT_BG_OFFSET", &HudSettings::TEXT_BG_OFFSET, "50"},
    {"TEXT_BOX_TEXT_SCALE", &HudSettings::TEXT_BOX_TEXT_SCALE, "0.3739 0.7245"},
    {"TEXT_BOX_X_Y", &HudSettings::TEXT_BOX_X_Y, "34 28"},
    {"MISSIONTIMERS_POS_BOTTOM", &HudSettings::MISSIONTIMERS_POS_BOTTOM, "115"},
    {"MISSIONTIMERS_POS_RIGHT", &HudSettings::MISSIONTIMERS_POS_RIGHT, "65"},
    {"MISSIONTIMERS_TIMER_GAP", &HudSettings::MISSIONTIMERS_TIMER_GAP, "2"},
    {"MISSIONDESC_OFFSET", &HudSettings::MISSIONDESC_OFFSET, "1"},
    {"MISSIONTIMERS_SCALE", &HudSettings::MISSIONTIMERS_SCALE, "0.31 0.6"},
    {"MISSIONTIMERS_BG_A", &HudSettings::MISSIONTIMERS_BG_A, "0.31 0.6"},
    {"MISSIONTIMERS_BG_B", &HudSettings::MISSIONTIMERS_BG_B, "0.31 0.6"},
    {"MISSIONTIMERBAR_BG_A", &HudSettings::MISSIONTIMERBAR_BG_A, "0.31 0.6"},
    {"MISSIONTIMERBAR_BG_B", &HudSettings::MISSIONTIMERBAR_BG_B, "0.31 0.6"},
    {"MISSIONDESCTIMERAB_GAP", &HudSettings::MISSIONDESCTIMERAB_GAP, "15"},
    {"ZONE_VEHICLE_FONT", &HudSettings::ZONE_VEHICLE_FONT, "1"},
    {"ZONE_VEHICLE_MISSION_TRANSITION_GAP", &HudSettings::ZONE_VEHICLE_MISSION_TRANSITION_GAP,
     "15"},
    {"RADAR_TYPE", &HudSettings::RADAR_TYPE, "1"},
    {"USING_CLASSIC_AXIS", &HudSettings::USING_CLASSIC_AXIS, "false"},
    {"RADIO_WHEEL_SCALE", &HudSettings::RADIO_WHEEL_SCALE, "130"},
    {"WEAP_WHEEL_SCALE_MULTIPLIER", &HudSettings::WEAP_WHEEL_SCALE_MULTIPLIER, "130"},
};

struct ColourKey {
  const char* key;
  Rgba HudColours::*field;
  Rgba table_default;
};

const ColourKey kColourKeys[] = {
    {"MONEY_COLOR", &HudColours::MONEY_COLOR, {89, 115, 150, 255}},
    {"AMMO_COLOR", &HudColours::AMMO_COLOR, {255, 255, 255, 255}},
    {"AMMO_CLIP_COLOR", &HudColours::AMMO_CLIP_COLOR, {100, 100, 100, 255}},
    {"WANTED_COLOR", &HudColours::WANTED_COLOR, {193, 164, 120, 255}},
    {"ZONE_COLOR", &HudColours::ZONE_COLOR, {152, 154, 82, 255}},
    {"VEHICLE_COLOR", &HudColours::VEHICLE_COLOR, {194, 165, 120, 255}},
    {"CLOCK_COLOR", &HudColours::CLOCK_COLOR, {194, 165, 120, 255}},
    {"TIMER_COLOR", &HudColours::TIMER_COLOR, {186, 101, 50, 255}},
    {"COUNTER_COLOR", &HudColours::COUNTER_COLOR, {0, 106, 164, 255}},
    {"RADAR_HEALTH_COLOR", &HudColours::RADAR_HEALTH_COLOR, {186, 101, 50, 255}},
    {"RADAR_ARMOR_COLOR", &HudColours::RADAR_ARMOR_COLOR, {124, 140, 95, 255}},
    {"BIGMESSAGE_COLOR", &HudColours::BIGMESSAGE_COLOR, {85, 119, 133, 255}},
    {"WASTEDBUSTED_COLOR", &HudColours::WASTEDBUSTED_COLOR, {170, 123, 87, 255}},
    {"ODDJOB_COLOR", &HudColours::ODDJOB_COLOR, {89, 115, 150, 255}},
    {"ODDJOB2_COLOR", &HudColours::ODDJOB2_COLOR, {156, 91, 40, 255}},
    {"MISSIONTITLE_COLOR", &HudColours::MISSIONTITLE_COLOR, {220, 172, 2, 255}},
    {"MISSIONTIMER_BG", &HudColours::MISSIONTIMER_BG, {220, 172, 2, 255}},
    {"MISSIONTIMERBAR_BG", &HudColours::MISSIONTIMERBAR_BG, {220, 172, 2, 255}},
    {"MISSIONTIMERBAR_FG", &HudColours::MISSIONTIMERBAR_FG, {220, 172, 2, 255}},
    {"WHEEL_BG", &HudColours::WHEEL_BG, {220, 172, 2, 255}},
    {"WHEELINDICATOR", &HudColours::WHEELINDICATOR, {220, 172, 2, 255}},
};

std::string SlotKey(std::size_t k, const char* corner) {
  return "SLOT" + std::to_string(k) + "POS_" + corner;
}

// A record whose every byte is wrong, so a field that a load leaves alone shows.
HudSettings Poisoned() {
  HudSettings s;
  std::memset(static_cast<void*>(&s), 0xA5, sizeof s);
  s.USING_CLASSIC_AXIS = true;  // a valid bool, still not the default
  return s;
}

// Poisoned in the layout fields only: what ReadLayoutSettings must overwrite.
HudSettings PoisonedLayout() {
  HudSettings s = Poisoned();
  s.colours = HudColours{};
  s.RELOAD_SETTINGS = 0;
  return s;
}

TEST(HudSettingsTest, DefaultsAreTheTableValues) {
  const HudSettings d;
  for (const LayoutKey& row : kLayoutKeys) {
    SCOPED_TRACE(row.key);
    IniFile file = IniFile::FromText(std::string("V ") + row.default_text);
    std::visit(
        [&](auto member) {
          using T = std::remove_cvref_t<decltype(d.*member)>;
          if constexpr (std::is_same_v<T, std::int32_t>) {
            EXPECT_EQ(d.*member, file.ReadInt("V", 0));
          } else if constexpr (std::is_same_v<T, float>) {
            EXPECT_EQ(d.*member, file.ReadFloat("V", 0));
          } else if constexpr (std::is_same_v<T, FloatPair>) {
            EXPECT_EQ(d.*member, file.ReadPair("V", {0, 0}));
          } else {
            EXPECT_EQ(d.*member, file.ReadBool("V"));
          }
        },
        row.field);
  }
  for (const WheelSlotPos& slot : d.SLOTPOS)
    EXPECT_EQ(slot, (WheelSlotPos{{130, 130}, {130, 130}}));
  for (const ColourKey& row : kColourKeys)
    EXPECT_EQ(d.colours.*row.field, row.table_default) << row.key;
  EXPECT_EQ(d.RELOAD_SETTINGS, 0);
}

// A distinct value per key, written so that the wrong reader would give another
// result: "<n>e1" reads 10n as a float, 12.5 reads 12 as an integer.
TEST(ReadLayoutSettingsTest, EveryKeyFillsItsOwnField) {
  std::string text;
  HudSettings expected;
  for (std::size_t i = 0; i < std::size(kLayoutKeys); ++i) {
    const std::string n = std::to_string(100 + i);
    std::visit(
        [&](auto member) {
          using T = std::remove_cvref_t<decltype(expected.*member)>;
          std::string value;
          if constexpr (std::is_same_v<T, std::int32_t>) {
            value = n + "e1";
            expected.*member = static_cast<std::int32_t>(100 + i);
          } else if constexpr (std::is_same_v<T, float>) {
            value = n + ".5";
            expected.*member = static_cast<float>(100 + i) + 0.5f;
          } else if constexpr (std::is_same_v<T, FloatPair>) {
            value = n + ".25 " + n + ".75";
            expected.*
                member = {static_cast<float>(100 + i) + 0.25f, static_cast<float>(100 + i) + 0.75f};
          } else {
            value = "yes";
            expected.*member = true;
          }
          text += std::string(kLayoutKeys[i].key) + " = " + value + "\n";
        },
        kLayoutKeys[i].field);
  }
  for (std::size_t k = 0; k < kWheelSlotCount; ++k) {
    const std::string n = std::to_string(k);
    text += SlotKey(k, "LT") + " 1" + n + ".5 2" + n + ".25\n";
    text += SlotKey(k, "RB") + " 3" + n + ".75 4" + n + ".125\n";
    const float f = static_cast<float>(k);
    expected.SLOTPOS[k] = {{10.5f + f, 20.25f + f}, {30.75f + f, 40.125f + f}};
  }
  IniFile file = IniFile::FromText(text);
  HudSettings s = PoisonedLayout();
  ReadLayoutSettings(file, s);
  EXPECT_EQ(s, expected);
}

TEST(ReadLayoutSettingsTest, EmptyFileGivesDefaultsAndAsksEveryKeyOnce) {
  IniFile file = IniFile::FromText("");
  HudSettings s = PoisonedLayout();
  ReadLayoutSettings(file, s);
  EXPECT_EQ(s, HudSettings{});

  std::set<std::string> asked;
  for (const IniEntry& entry : file.entries()) {
    EXPECT_TRUE(entry.absent);
    asked.insert(entry.key);
  }
  std::set<std::string> table;
  for (const LayoutKey& row : kLayoutKeys) table.insert(row.key);
  for (std::size_t k = 0; k < kWheelSlotCount; ++k)
    table.insert({SlotKey(k, "LT"), SlotKey(k, "RB")});
  EXPECT_EQ(file.entries().size(), 82u);
  EXPECT_EQ(asked, table);
}

TEST(ReadLayoutSettingsTest, EdgeCases) {
  const struct {
    const char* text;
    float HudSettings::*field;
    float expected;
  } cases[] = {
      {"MONEY_POS_TOP = 12 ; note", &HudSettings::MONEY_POS_TOP, 12.0f},
      {"MONEY_POS_TOP 12#note", &HudSettings::MONEY_POS_TOP, 12.0f},
      {"#MONEY_POS_TOP 12", &HudSettings::MONEY_POS_TOP, 30.0f},
      {"MONEY_POS_TOP 12\nMONEY_POS_TOP 13", &HudSettings::MONEY_POS_TOP, 12.0f},
      {"money_pos_top 12", &HudSettings::MONEY_POS_TOP, 30.0f},
      {"\xEF\xBB\xBFMONEY_POS_TOP 12\nMONEY_POS_RIGHT 40", &HudSettings::MONEY_POS_TOP, 30.0f},
      {"\xEF\xBB\xBFMONEY_POS_TOP 12\nMONEY_POS_RIGHT 40", &HudSettings::MONEY_POS_RIGHT, 40.0f},
      {"[Layout]\nMONEY_POS_TOP 12", &HudSettings::MONEY_POS_TOP, 12.0f},
      {"MONEY_POS_TOP 12.5abc", &HudSettings::MONEY_POS_TOP, 12.5f},
      {"MONEY_POS_TOP 1e39", &HudSettings::MONEY_POS_TOP, 30.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    IniFile file = IniFile::FromText(c.text);
    HudSettings s;
    ReadLayoutSettings(file, s);
    EXPECT_EQ(s.*c.field, c.expected);
  }
}

TEST(ReadLayoutSettingsTest, PairsFlagsAndSlots) {
  IniFile file = IniFile::FromText("HUD_SCALE 0.5\nSLOT3POS_LT 10, 20\nUSING_CLASSIC_AXIS FALSE\n");
  HudSettings s;
  ReadLayoutSettings(file, s);
  EXPECT_EQ(s.HUD_SCALE, (FloatPair{0.5f, 0.859f}));
  EXPECT_EQ(s.SLOTPOS[3].LT, (FloatPair{10.0f, 130.0f}));
  EXPECT_FALSE(s.USING_CLASSIC_AXIS);

  IniFile capital = IniFile::FromText("USING_CLASSIC_AXIS False\n");
  ReadLayoutSettings(capital, s);
  EXPECT_TRUE(s.USING_CLASSIC_AXIS);
  EXPECT_EQ(s.HUD_SCALE, (FloatPair{0.44f, 0.859f}));  // gone from the file: default again
}

TEST(ReadReloadSwitchTest, Values) {
  const struct {
    const char* line;
    std::int32_t expected;
  } cases[] = {{"", 0},
               {"RELOAD_SETTINGS 82", 82},
               {"RELOAD_SETTINGS yes", -1},
               {"RELOAD_SETTINGS no", 0},
               {"RELOAD_SETTINGS 0x52", 0},
               {"RELOAD_SETTINGS true", -1},
               {"RELOAD_SETTINGS -1", -1},
               {"RELOAD_SETTINGS 0", 0},
               {"RELOAD_SETTINGS NO", 0},
               {"RELOAD_SETTINGS", 0},
               {"RELOAD_SETTINGS \"no\"", -1},
               {"RELOAD_SETTINGS 82 # R key", 82},
               {"reload_settings 82", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    IniFile file = IniFile::FromText(c.line);
    EXPECT_EQ(ReadReloadSwitch(file), c.expected);
  }
}

TEST(ColourSchemeFileTest, RadarTypeChoosesTheFile) {
  EXPECT_STREQ(ColourSchemeFile(1), "slate_pane_morrowfen\\color_configs\\ClassicColors.ini");
  EXPECT_STREQ(ColourSchemeFile(2), "slate_pane_morrowfen\\color_configs\\ModernColors.ini");
  for (const std::int32_t type : {0, 3, -1, INT_MAX, INT_MIN}) {
    EXPECT_STREQ(ColourSchemeFile(type), "slate_pane_morrowfen\\color_configs\\VColors.ini")
        << type;
  }
}

TEST(ReadColourSchemeTest, EveryKeyFillsItsOwnField) {
  std::string text;
  HudColours expected;
  for (std::size_t i = 0; i < std::size(kColourKeys); ++i) {
    const auto v = static_cast<std::uint8_t>(i);
    text += std::string(kColourKeys[i].key) + " " + std::to_string(v) + " " +
            std::to_string(100 + v) + " " + std::to_string(200 + v) + " " + std::to_string(30 + v) +
            "\n";
    expected.*kColourKeys[i].field = {v, static_cast<std::uint8_t>(100 + v),
                                      static_cast<std::uint8_t>(200 + v),
                                      static_cast<std::uint8_t>(30 + v)};
  }
  IniFile file = IniFile::FromText(text);
  HudColours c = Poisoned().colours;
  ReadColourScheme(file, c);
  EXPECT_EQ(c, expected);
}

TEST(ReadColourSchemeTest, PartialValuesKeepDefaultComponents) {
  IniFile file = IniFile::FromText(
      "MONEY_COLOR 10 20 30\nWANTED_COLOR 300 -1 0 0\nZONE_COLOR 1,2,3,4\nMONEY_POS_TOP 99\n");
  HudColours c = Poisoned().colours;
  ReadColourScheme(file, c);
  EXPECT_EQ(c.MONEY_COLOR, (Rgba{10, 20, 30, 255}));
  EXPECT_EQ(c.WANTED_COLOR, (Rgba{44, 255, 0, 0}));
  EXPECT_EQ(c.ZONE_COLOR, (Rgba{1, 154, 82, 255}));
  EXPECT_EQ(c.AMMO_COLOR, (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(file.entries().size(), 4u + 21u - 3u);  // each colour key asked once
}

// The shipped files must hold every key exactly once. Their values are the
// shipped layout, not the reader's defaults (tests/layout checks the layout).
TEST(ShippedDataTest, LayoutFileHoldsEveryKeyOnce) {
  IniFile file(SLATEPANE_DATA_DIR "/slatepane_VC.ini");
  const std::size_t lines = file.entries().size();
  HudSettings s = Poisoned();
  ReadLayoutSettings(file, s);
  s.RELOAD_SETTINGS = ReadReloadSwitch(file);
  EXPECT_EQ(lines, 83u);
  ASSERT_EQ(file.entries().size(), lines) << "a key is missing: " << file.entries().back().key;
}

TEST(ShippedDataTest, ColourFilesHoldEveryKeyAsFourComponents) {
  for (const char* name : {"ClassicColors.ini", "ModernColors.ini", "VColors.ini"}) {
    SCOPED_TRACE(name);
    IniFile file((std::string(SLATEPANE_DATA_DIR "/color_configs/") + name).c_str());
    ASSERT_EQ(file.entries().size(), 21u);
    for (std::size_t i = 0; i < 21; ++i) {
      const std::string key = file.entries()[i].key;
      EXPECT_EQ(file.ReadColour(key, {0, 0, 0, 0}), file.ReadColour(key, {255, 255, 255, 255}))
          << key;
    }
    HudColours c = Poisoned().colours;
    ReadColourScheme(file, c);
    EXPECT_EQ(file.entries().size(), 21u);
  }
}

// End to end through host_path, in the folder the test process plays the host in.
class LoadHudSettingsTest : public testing::Test {
 protected:
  static std::filesystem::path Native(const char* rel) {
    std::string path = test_game_folder() + rel;
    for (char& c : path) c = c == '\\' ? '/' : c;
    return path;
  }

  void SetUp() override {
    for (const char* rel : kFiles) {
      std::ifstream in(Native(rel), std::ios::binary);
      saved_.push_back(
          in ? std::optional<std::string>(std::string(std::istreambuf_iterator<char>(in), {}))
             : std::nullopt);
    }
    for (const char* dir : {"slate_pane_morrowfen", "slate_pane_morrowfen\\color_configs"}) {
      if (!std::filesystem::exists(Native(dir))) made_dirs_.push_back(Native(dir));
    }
    std::filesystem::create_directories(Native("slate_pane_morrowfen\\color_configs"));
    for (const char* rel : kFiles) std::filesystem::remove(Native(rel));
  }

  void TearDown() override {
    for (std::size_t i = 0; i < std::size(kFiles); ++i) {
      if (saved_[i]) {
        Write(kFiles[i], *saved_[i]);
      } else {
        std::filesystem::remove(Native(kFiles[i]));
      }
    }
    for (auto it = made_dirs_.rbegin(); it != made_dirs_.rend(); ++it) {
      std::error_code ignored;
      std::filesystem::remove(*it, ignored);
    }
  }

  static void Write(const char* rel, const std::string& text) {
    std::ofstream out(Native(rel), std::ios::binary);
    out << text;
    out.close();
    ASSERT_TRUE(out) << "cannot write " << Native(rel);
  }

  static void WriteSchemes() {
    Write(kClassicColoursFile, "MONEY_COLOR 1 1 1 1\n");
    Write(kModernColoursFile, "MONEY_COLOR 2 2 2 2\n");
    Write(kVColoursFile, "MONEY_COLOR 3 3 3 3\n");
  }

  static constexpr const char* kFiles[] = {kLayoutSettingsFile, kClassicColoursFile,
                                           kModernColoursFile, kVColoursFile};
  std::vector<std::optional<std::string>> saved_;
  std::vector<std::filesystem::path> made_dirs_;
};

TEST_F(LoadHudSettingsTest, NoFilesGiveEveryDefault) {
  HudSettings s = Poisoned();
  LoadHudSettings(s);
  EXPECT_EQ(s, HudSettings{});
}

TEST_F(LoadHudSettingsTest, RadarTypeSelectsTheColourFile) {
  WriteSchemes();
  const struct {
    const char* layout;
    std::uint8_t money;
  } cases[] = {{"", 1},
               {"RADAR_TYPE abc", 1},
               {"RADAR_TYPE 1", 1},
               {"RADAR_TYPE 2", 2},
               {"RADAR_TYPE 0", 3},
               {"RADAR_TYPE 3", 3},
               {"RADAR_TYPE -1", 3},
               {"RADAR_TYPE 2.9", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    Write(kLayoutSettingsFile, c.layout);
    HudSettings s;
    LoadHudSettings(s);
    EXPECT_EQ(s.colours.MONEY_COLOR, (Rgba{c.money, c.money, c.money, c.money}));
  }
}

TEST_F(LoadHudSettingsTest, EditsShowOnTheNextLoad) {
  WriteSchemes();
  Write(kLayoutSettingsFile, "MONEY_POS_TOP 12\r\nRADAR_TYPE 2\r\nRELOAD_SETTINGS 82\r\n");
  HudSettings s;
  LoadHudSettings(s);
  EXPECT_EQ(s.MONEY_POS_TOP, 12.0f);
  EXPECT_EQ(s.colours.MONEY_COLOR, (Rgba{2, 2, 2, 2}));
  EXPECT_EQ(s.RELOAD_SETTINGS, 82);

  Write(kLayoutSettingsFile, "MONEY_COLOR 9 9 9 9\n");
  Write(kClassicColoursFile, "MONEY_POS_TOP 99\nWANTED_COLOR 300 -1 0 0\n");
  LoadHudSettings(s);
  HudSettings expected;
  expected.colours.WANTED_COLOR = {44, 255, 0, 0};
  EXPECT_EQ(s, expected);
}

// Between loads only one thing changes at a time, some of them keeping the
// file's size; each load must give what a first load of those files gives.
TEST_F(LoadHudSettingsTest, EveryChangeBetweenLoadsIsSeen) {
  WriteSchemes();
  const float kTop = HudSettings{}.MONEY_POS_TOP;
  const Rgba kMoney = HudSettings{}.colours.MONEY_COLOR;
  const auto grey = [](std::uint8_t v) { return Rgba{v, v, v, v}; };
  const struct {
    const char* what;
    const char* file;
    const char* text;  // null removes the file
    float top;
    Rgba money;
  } steps[] = {
      {"first load", kLayoutSettingsFile, "MONEY_POS_TOP 12\nRADAR_TYPE 2\n", 12, grey(2)},
      {"nothing changed", kLayoutSettingsFile, "MONEY_POS_TOP 12\nRADAR_TYPE 2\n", 12, grey(2)},
      {"a digit, same size", kLayoutSettingsFile, "MONEY_POS_TOP 13\nRADAR_TYPE 2\n", 13, grey(2)},
      {"the selected colour file, same size", kModernColoursFile, "MONEY_COLOR 7 7 7 7\n", 13,
       grey(7)},
      {"a colour file not selected", kClassicColoursFile, "MONEY_COLOR 5 5 5 5\n", 13, grey(7)},
      {"another radar type", kLayoutSettingsFile, "MONEY_POS_TOP 13\nRADAR_TYPE 1\n", 13, grey(5)},
      {"the selected colour file removed", kClassicColoursFile, nullptr, 13, kMoney},
      {"the layout removed", kLayoutSettingsFile, nullptr, kTop, kMoney},
      {"the layout back", kLayoutSettingsFile, "MONEY_POS_TOP 13\nRADAR_TYPE 2\n", 13, grey(7)},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.text == nullptr) {
      std::filesystem::remove(Native(step.file));
    } else {
      Write(step.file, step.text);
    }
    HudSettings loaded = Poisoned();
    LoadHudSettings(loaded);
    EXPECT_EQ(loaded.MONEY_POS_TOP, step.top);
    EXPECT_EQ(loaded.colours.MONEY_COLOR, step.money);
    ForgetLastLoad();
    HudSettings afresh = Poisoned();
    LoadHudSettings(afresh);
    EXPECT_EQ(loaded, afresh);
  }
}

// Whichever allocation fails, the load neither throws nor leaves a field
// unassigned. Where the failure surfaces as an exception the record falls back
// to the defaults; some runtimes report it inside a number conversion as a
// failed conversion instead, which gives that one value its default.
TEST_F(LoadHudSettingsTest, FailedAllocationLeavesNoFieldUnassigned) {
  WriteSchemes();
  Write(kLayoutSettingsFile, "MONEY_POS_TOP 12\nHUD_SCALE 1 2\nRADAR_TYPE 2\nRELOAD_SETTINGS 82\n");
  HudSettings loaded;
  LoadHudSettings(loaded);
  // The load every failed one is compared with: the four layout lines and the
  // money colour of the scheme RADAR_TYPE 2 selects, every other field its default.
  HudSettings expected;
  expected.MONEY_POS_TOP = 12.0f;
  expected.HUD_SCALE = {1.0f, 2.0f};
  expected.RADAR_TYPE = 2;
  expected.RELOAD_SETTINGS = 82;
  expected.colours.MONEY_COLOR = {2, 2, 2, 2};
  ASSERT_EQ(loaded, expected);
  const HudSettings poison = Poisoned();
  for (int n = 1; n < 100000; ++n) {
    SCOPED_TRACE(n);
    HudSettings s = Poisoned();
    allocation_failed = false;
    ForgetLastLoad();  // files that read as before would not be parsed again
    allocations_until_failure = n;
    LoadHudSettings(s);
    allocations_until_failure = 0;
    if (!allocation_failed) {
      EXPECT_EQ(s, loaded);
      EXPECT_GT(n, 1);
      return;
    }
    for (const LayoutKey& row : kLayoutKeys) {
      std::visit([&](auto m) { EXPECT_NE(s.*m, poison.*m) << row.key; }, row.field);
    }
    for (std::size_t k = 0; k < kWheelSlotCount; ++k) EXPECT_NE(s.SLOTPOS[k], poison.SLOTPOS[k]);
    for (const ColourKey& row : kColourKeys) {
      EXPECT_NE(s.colours.*row.field, poison.colours.*row.field) << row.key;
    }
    ASSERT_NE(s.RELOAD_SETTINGS, poison.RELOAD_SETTINGS);
  }
  FAIL() << "the load never completed";
}

}  // namespace
