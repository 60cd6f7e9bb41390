#include "key_facts.h"

#include <cstddef>

#include "settings/setting_keys.h"

namespace {

constexpr Unit L = Unit::kLayout, H = Unit::kHorizontalFont, V = Unit::kVerticalFont,
               F = Unit::kFont, T = Unit::kTextScale, P = Unit::kPlainNumber, N = Unit::kNone;

constexpr KeyRule kWhole{true};
constexpr KeyRule Scale(std::string_view what) { return {false, Limit::kScale, 3, what}; }
constexpr KeyRule Marks(std::string_view what) { return {true, Limit::kScale, 1, what}; }
constexpr KeyRule Length(std::uint8_t parts, std::string_view what) {
  return {false, Limit::kLength, parts, what};
}
constexpr std::string_view kMarkSize = "mark size (whole part)";

// The slots' corners are distances from the wheel's centre, so they grow and
// shrink with the ring: LT in (horizontal, vertical) font units, RB in
// horizontal ones.
#define SLOT_FACTS(k)                                                          \
  KeyFacts{"SLOT" #k "POS_LT", "weapon wheel", F, "", "", "times"}, KeyFacts { \
    "SLOT" #k "POS_RB", "weapon wheel", H, "", "", "times"                     \
  }

constexpr KeyFacts kLayoutFacts[] = {
    {"VICE_CRY_RADAR_FIX", "not read", N, "integer", "", ""},
    {"HUD_SCALE", "not read", T, "", "", ""},
    {"MONEY_SCALE", "money", T, "", "", "times", Scale("the money")},
    {"AMMO_SCALE", "ammunition", T, "", "", "times", Scale("the ammunition and the wheels' names")},
    {"BIGTEXT_SCALE", "zone and vehicle names", T, "", "", "times",
     Scale("the zone and vehicle names, the mission title and the odd-job texts")},
    {"MISSION_BUSTED_WASTED_SCALE", "big messages", T, "", "", "times",
     Scale("the big messages and the wasted/busted text")},
    {"SUBTEXT_SCALE", "subtitles", T, "", "", "times", Scale("the subtitles")},
    {"ENTITY_SQUARE_SCALE", "radar", P, kMarkSize, "", "", Marks("the square blip marks")},
    {"ENTITY_TRIANGLE_SCALE", "radar", P, kMarkSize, "", "", Marks("the triangle blip marks")},
    {"WASTED_BUSTED_OFFSET", "big messages", H, "", "x+", ""},
    // The radar sizes around its frame's lower left corner: map, frame and
    // bars together.
    {"INNER_RADAR_SCALE_A", "radar", L, "", "x+,", "x,times", Length(2, "the radar map's width")},
    {"INNER_RADAR_SCALE_B", "radar", L, "", ",y-", "times,y", Length(1, "the radar map's height")},
    {"OUTER_RADAR_SCALE_A", "radar", L, "", "x+,x+", "x,x", kWhole},
    {"OUTER_RADAR_SCALE_B", "radar", L, "", "y-,y-", "y,y", kWhole},
    {"BAR_HEALTH_POS_X_Y", "radar", L, "", "x+,y-", "x,y", kWhole},
    {"BAR_ARMOR_POS_X_Y", "radar", L, "", "x+,y-", "x,y", kWhole},
    {"BAR_THICKNESS", "radar", L, "", "", "times", Length(1, "the health and armour bars' height")},
    {"BAR_LENGTH_MULTIPLIER",
     "radar",
     P,
     "factor",
     "",
     "factor",
     {false, Limit::kBarFactor, 1, "the health and armour bars"}},
    {"ZONE_BOTTOM", "zone and vehicle names", V, "", "y-", ""},
    {"ZONE_RIGHT", "zone and vehicle names", H, "", "x-", ""},
    {"VEHICLE_BOTTOM", "zone and vehicle names", V, "", "y-", ""},
    {"VEHICLE_RIGHT", "zone and vehicle names", H, "", "x-", ""},
    {"MISSION_BOTTOM", "mission title", V, "", "y-", ""},
    {"MISSION_RIGHT", "mission title", H, "", "x-", ""},
    {"CLOCK_RIGHT", "phone and clock", H, "", "x-", ""},
    {"CLOCK_BOTTOM", "phone and clock", V, "", "y-", ""},
    {"CLOCK_SCALE", "phone and clock", T, "", "", "times", Scale("the clock")},
    {"SUBTITLE_BOTTOM", "subtitles", V, "", "y-", ""},
    {"SUBTITLE_OFFSET_L", "subtitles", H, "", "", ""},
    {"SUBTITLE_OFFSET_R", "subtitles", H, "", "", ""},
    {"ODDJOB_CENTRE", "odd-job texts", V, "", "y-", ""},
    {"ODDJOB_RESULT_CENTRE", "odd-job texts", V, "", "", ""},
    {"WEAPON_AMMO_POS_TOP", "ammunition", V, "", "y+", ""},
    {"WEAPON_AMMO_POS_RIGHT", "ammunition", H, "", "x-", ""},
    {"WEAPON_AMMO_TRANSITION_GAP", "ammunition", V, "", "", ""},
    {"MONEY_POS_TOP", "money", V, "", "y+", ""},
    {"MONEY_POS_RIGHT", "money", H, "", "x-", ""},
    {"MONEY_TRANSITION_GAP", "money", V, "", "", "", kWhole},
    {"WANTED_POS_TOP", "wanted stars", L, "", "y+", ""},
    {"WANTED_POS_RIGHT", "wanted stars", L, "", "x-", ""},
    {"WANTED_STAR_SCALE", "wanted stars", L, "", "", "times", Scale("the wanted stars")},
    {"WANTED_STAR_SPACE", "wanted stars", L, "", "", "times"},
    {"TEXT_BOX_WIDTH", "help box", H, "", "", ""},
    {"TEXT_BG_OFFSET", "help box", F, "", "", ""},
    {"TEXT_BOX_TEXT_SCALE", "help box", T, "", "", "times", Scale("the help box's text")},
    {"TEXT_BOX_X_Y", "help box", F, "", "x+,y+", ""},
    {"MISSIONTIMERS_POS_BOTTOM", "mission timers", V, "", "y-", ""},
    {"MISSIONTIMERS_POS_RIGHT", "mission timers", H, "", "x-", ""},
    {"MISSIONTIMERS_TIMER_GAP", "mission timers", H, "", "", ""},
    {"MISSIONDESC_OFFSET", "mission timers", V, "", "", ""},
    {"MISSIONTIMERS_SCALE", "mission timers", T, "", "", "times", Scale("the timers and counters")},
    {"MISSIONTIMERS_BG_A", "mission timers", F, "", "x-,y-", ""},
    {"MISSIONTIMERS_BG_B", "mission timers", F, "", "x-,y-", ""},
    {"MISSIONTIMERBAR_BG_A", "mission timers", F, "", "x-,y-", ""},
    {"MISSIONTIMERBAR_BG_B", "mission timers", F, "", "x-,y-", ""},
    {"ZONE_VEHICLE_FONT", "zone and vehicle names", N, "host font number", "", ""},
    {"ZONE_VEHICLE_MISSION_TRANSITION_GAP", "zone and vehicle names", V, "", "", "", kWhole},
    {"MISSIONDESCTIMERAB_GAP", "mission timers", V, "", "", ""},
    {"RADAR_TYPE", "style", N, "1 classic, 2 modern, other V", "", ""},
    {"USING_CLASSIC_AXIS", "crosshairs", N, "flag", "", ""},
    {"RADIO_WHEEL_SCALE", "radio wheel", F, "", "", "times", Scale("the radio station icon")},
    {"WEAP_WHEEL_SCALE_MULTIPLIER",
     "weapon wheel",
     P,
     "divisor (larger is smaller)",
     "",
     "over",
     {false, Limit::kWheelSize, 1, "the weapon wheel"}},
    SLOT_FACTS(0),
    SLOT_FACTS(1),
    SLOT_FACTS(2),
    SLOT_FACTS(3),
    SLOT_FACTS(4),
    SLOT_FACTS(5),
    SLOT_FACTS(6),
    SLOT_FACTS(7),
    SLOT_FACTS(8),
    SLOT_FACTS(9),
    {"RELOAD_SETTINGS", "settings file", N, "key code (0 off, -1 every frame step)", "", ""},
};

#undef SLOT_FACTS

constexpr std::string_view kColour = "colour r g b opacity";

constexpr KeyFacts kColourFacts[] = {
    // The money puts the green it is given in the blue and the other way round.
    {"MONEY_COLOR", "money", N, kColour, "", "", {}, "r b g"},
    {"AMMO_COLOR", "ammunition", N, kColour, "", ""},
    {"AMMO_CLIP_COLOR", "ammunition", N, kColour, "", ""},
    {"WANTED_COLOR", "wanted stars", N, kColour, "", ""},
    {"ZONE_COLOR", "zone and vehicle names", N, kColour, "", ""},
    {"VEHICLE_COLOR", "zone and vehicle names", N, kColour, "", ""},
    {"CLOCK_COLOR", "phone and clock", N, kColour, "", ""},
    {"TIMER_COLOR", "mission timers", N, kColour, "", ""},
    {"COUNTER_COLOR", "mission timers", N, kColour, "", ""},
    {"RADAR_HEALTH_COLOR", "radar", N, kColour, "", ""},
    {"RADAR_ARMOR_COLOR", "radar", N, kColour, "", ""},
    {"BIGMESSAGE_COLOR", "big messages", N, kColour, "", ""},
    {"WASTEDBUSTED_COLOR", "big messages", N, kColour, "", ""},
    {"ODDJOB_COLOR", "odd-job texts", N, kColour, "", ""},
    {"ODDJOB2_COLOR", "odd-job texts", N, kColour, "", ""},
    {"MISSIONTITLE_COLOR", "mission title", N, kColour, "", ""},
    {"MISSIONTIMER_BG", "mission timers", N, kColour, "", ""},
    {"MISSIONTIMERBAR_BG", "mission timers", N, kColour, "", ""},
    {"MISSIONTIMERBAR_FG", "mission timers", N, kColour, "", ""},
    {"WHEEL_BG", "weapon wheel", N, kColour, "", ""},
    {"WHEELINDICATOR", "weapon wheel", N, kColour, "", ""},
};

template <typename Key, std::size_t kKeys, std::size_t kFacts>
constexpr bool SameNames(const Key (&keys)[kKeys], const KeyFacts (&facts)[kFacts]) {
  for (std::size_t k = 0; k < kKeys; ++k) {
    if (facts[k].name != keys[k].name) return false;
  }
  return true;
}
static_assert(std::size(kLayoutFacts) == std::size(kLayoutSettingKeys) + 1 &&
                  SameNames(kLayoutSettingKeys, kLayoutFacts) &&
                  kLayoutFacts[std::size(kLayoutSettingKeys)].name == kReloadSettingsKey,
              "the layout key facts and the plug-in's key table differ");
static_assert(std::size(kColourFacts) == std::size(kColourSettingKeys) &&
                  SameNames(kColourSettingKeys, kColourFacts),
              "the colour key facts and the plug-in's key table differ");

}  // namespace

std::span<const KeyFacts> LayoutKeyFacts() { return kLayoutFacts; }
std::span<const KeyFacts> ColourKeyFacts() { return kColourFacts; }

const KeyFacts* FactsFor(std::string_view key) {
  for (const std::span<const KeyFacts> table : {LayoutKeyFacts(), ColourKeyFacts()}) {
    for (const KeyFacts& facts : table) {
      if (facts.name == key) return &facts;
    }
  }
  return nullptr;
}

std::string_view UnitText(Unit unit) {
  switch (unit) {
    case Unit::kLayout:
      return "layout units (1/1080 of the smaller screen side)";
    case Unit::kHorizontalFont:
      return "horizontal font units (screen height / 480 pixels)";
    case Unit::kVerticalFont:
      return "vertical font units (screen height / 448 pixels)";
    case Unit::kFont:
      return "font units (screen height / 480 pixels across, / 448 up)";
    case Unit::kTextScale:
      return "text scale factors";
    case Unit::kPlainNumber:
      return "a plain number";
    case Unit::kNone:
      break;
  }
  return "no unit";
}

std::string_view UnitName(const KeyFacts& facts) {
  if (!facts.plain.empty()) return facts.plain;
  const std::string_view text = UnitText(facts.unit);
  return text.substr(0, text.find(" ("));
}
