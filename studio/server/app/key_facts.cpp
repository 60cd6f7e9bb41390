#include "key_facts.h"

#include <cstddef>

#include "settings/setting_keys.h"

namespace {

constexpr std::string_view kTextScale = "text scale x y";
constexpr std::string_view kLayout = "layout units";
constexpr std::string_view kAcross = "horizontal font units";
constexpr std::string_view kUp = "vertical font units";
constexpr std::string_view kFont = "font units";

// The slots' corners are distances from the wheel's centre, so they grow
// and shrink with the ring.
#define SLOT_FACTS(k)                                                          \
  KeyFacts{"SLOT" #k "POS_LT", "weapon wheel", kFont, "", "times"}, KeyFacts { \
    "SLOT" #k "POS_RB", "weapon wheel", kAcross, "", "times"                   \
  }

constexpr KeyFacts kLayoutFacts[] = {
    {"VICE_CRY_RADAR_FIX", "not read", "integer", "", ""},
    {"HUD_SCALE", "not read", kTextScale, "", ""},
    {"MONEY_SCALE", "money", kTextScale, "", "times"},
    {"AMMO_SCALE", "ammunition", kTextScale, "", "times"},
    {"BIGTEXT_SCALE", "zone and vehicle names", kTextScale, "", "times"},
    {"MISSION_BUSTED_WASTED_SCALE", "big messages", kTextScale, "", "times"},
    {"SUBTEXT_SCALE", "subtitles", kTextScale, "", "times"},
    {"ENTITY_SQUARE_SCALE", "radar", "mark size (whole part)", "", ""},
    {"ENTITY_TRIANGLE_SCALE", "radar", "mark size (whole part)", "", ""},
    {"WASTED_BUSTED_OFFSET", "big messages", kAcross, "x+", ""},
    {"INNER_RADAR_SCALE_A", "radar", kLayout, "x+,", ""},
    {"INNER_RADAR_SCALE_B", "radar", kLayout, ",y-", ""},
    {"OUTER_RADAR_SCALE_A", "radar", kLayout, "x+,x+", ""},
    {"OUTER_RADAR_SCALE_B", "radar", kLayout, "y-,y-", ""},
    {"BAR_HEALTH_POS_X_Y", "radar", kLayout, "x+,y-", ""},
    {"BAR_ARMOR_POS_X_Y", "radar", kLayout, "x+,y-", ""},
    {"BAR_THICKNESS", "radar", kLayout, "", ""},
    {"BAR_LENGTH_MULTIPLIER", "radar", "factor", "", ""},
    {"ZONE_BOTTOM", "zone and vehicle names", kUp, "y-", ""},
    {"ZONE_RIGHT", "zone and vehicle names", kAcross, "x-", ""},
    {"VEHICLE_BOTTOM", "zone and vehicle names", kUp, "y-", ""},
    {"VEHICLE_RIGHT", "zone and vehicle names", kAcross, "x-", ""},
    {"MISSION_BOTTOM", "mission title", kUp, "y-", ""},
    {"MISSION_RIGHT", "mission title", kAcross, "x-", ""},
    {"CLOCK_RIGHT", "phone and clock", kAcross, "x-", ""},
    {"CLOCK_BOTTOM", "phone and clock", kUp, "y-", ""},
    {"CLOCK_SCALE", "phone and clock", kTextScale, "", "times"},
    {"SUBTITLE_BOTTOM", "subtitles", kUp, "y-", ""},
    {"SUBTITLE_OFFSET_L", "subtitles", kAcross, "", ""},
    {"SUBTITLE_OFFSET_R", "subtitles", kAcross, "", ""},
    {"ODDJOB_CENTRE", "odd-job texts", kUp, "y-", ""},
    {"ODDJOB_RESULT_CENTRE", "odd-job texts", kUp, "", ""},
    {"WEAPON_AMMO_POS_TOP", "ammunition", kUp, "y+", ""},
    {"WEAPON_AMMO_POS_RIGHT", "ammunition", kAcross, "x-", ""},
    {"WEAPON_AMMO_TRANSITION_GAP", "ammunition", kUp, "", ""},
    {"MONEY_POS_TOP", "money", kUp, "y+", ""},
    {"MONEY_POS_RIGHT", "money", kAcross, "x-", ""},
    {"MONEY_TRANSITION_GAP", "money", kUp, "", ""},
    {"WANTED_POS_TOP", "wanted stars", kLayout, "y+", ""},
    {"WANTED_POS_RIGHT", "wanted stars", kLayout, "x-", ""},
    {"WANTED_STAR_SCALE", "wanted stars", kLayout, "", "times"},
    {"WANTED_STAR_SPACE", "wanted stars", kLayout, "", "times"},
    {"TEXT_BOX_WIDTH", "help box", kAcross, "", ""},
    {"TEXT_BG_OFFSET", "help box", kFont, "", ""},
    {"TEXT_BOX_TEXT_SCALE", "help box", kTextScale, "", "times"},
    {"TEXT_BOX_X_Y", "help box", kFont, "x+,y+", ""},
    {"MISSIONTIMERS_POS_BOTTOM", "mission timers", kUp, "y-", ""},
    {"MISSIONTIMERS_POS_RIGHT", "mission timers", kAcross, "x-", ""},
    {"MISSIONTIMERS_TIMER_GAP", "mission timers", kAcross, "", ""},
    {"MISSIONDESC_OFFSET", "mission timers", kUp, "", ""},
    {"MISSIONTIMERS_SCALE", "mission timers", kTextScale, "", "times"},
    {"MISSIONTIMERS_BG_A", "mission timers", kFont, "x-,y-", ""},
    {"MISSIONTIMERS_BG_B", "mission timers", kFont, "x-,y-", ""},
    {"MISSIONTIMERBAR_BG_A", "mission timers", kFont, "x-,y-", ""},
    {"MISSIONTIMERBAR_BG_B", "mission timers", kFont, "x-,y-", ""},
    {"ZONE_VEHICLE_FONT", "zone and vehicle names", "host font number", "", ""},
    {"ZONE_VEHICLE_MISSION_TRANSITION_GAP", "zone and vehicle names", kUp, "", ""},
    {"MISSIONDESCTIMERAB_GAP", "mission timers", kUp, "", ""},
    {"RADAR_TYPE", "style", "1 classic, 2 modern, other V", "", ""},
    {"USING_CLASSIC_AXIS", "crosshairs", "flag", "", ""},
    {"RADIO_WHEEL_SCALE", "radio wheel", kFont, "", "times"},
    {"WEAP_WHEEL_SCALE_MULTIPLIER", "weapon wheel", "divisor (larger is smaller)", "", "over"},
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
    {"RELOAD_SETTINGS", "settings file", "key code (0 off, -1 every frame step)", "", ""},
};

#undef SLOT_FACTS

constexpr std::string_view kColour = "colour r g b opacity";

constexpr KeyFacts kColourFacts[] = {
    // The money puts the green it is given in the blue and the other way round.
    {"MONEY_COLOR", "money", kColour, "", "", "r b g"},
    {"AMMO_COLOR", "ammunition", kColour, "", ""},
    {"AMMO_CLIP_COLOR", "ammunition", kColour, "", ""},
    {"WANTED_COLOR", "wanted stars", kColour, "", ""},
    {"ZONE_COLOR", "zone and vehicle names", kColour, "", ""},
    {"VEHICLE_COLOR", "zone and vehicle names", kColour, "", ""},
    {"CLOCK_COLOR", "phone and clock", kColour, "", ""},
    {"TIMER_COLOR", "mission timers", kColour, "", ""},
    {"COUNTER_COLOR", "mission timers", kColour, "", ""},
    {"RADAR_HEALTH_COLOR", "radar", kColour, "", ""},
    {"RADAR_ARMOR_COLOR", "radar", kColour, "", ""},
    {"BIGMESSAGE_COLOR", "big messages", kColour, "", ""},
    {"WASTEDBUSTED_COLOR", "big messages", kColour, "", ""},
    {"ODDJOB_COLOR", "odd-job texts", kColour, "", ""},
    {"ODDJOB2_COLOR", "odd-job texts", kColour, "", ""},
    {"MISSIONTITLE_COLOR", "mission title", kColour, "", ""},
    {"MISSIONTIMER_BG", "mission timers", kColour, "", ""},
    {"MISSIONTIMERBAR_BG", "mission timers", kColour, "", ""},
    {"MISSIONTIMERBAR_FG", "mission timers", kColour, "", ""},
    {"WHEEL_BG", "weapon wheel", kColour, "", ""},
    {"WHEELINDICATOR", "weapon wheel", kColour, "", ""},
};

constexpr bool SameKeys() {
  constexpr std::size_t layout = std::size(kLayoutSettingKeys);
  if (std::size(kLayoutFacts) != layout + 1) return false;
  for (std::size_t k = 0; k < layout; ++k) {
    if (kLayoutFacts[k].name != kLayoutSettingKeys[k].name) return false;
  }
  if (kLayoutFacts[layout].name != kReloadSettingsKey) return false;
  if (std::size(kColourFacts) != std::size(kColourSettingKeys)) return false;
  for (std::size_t k = 0; k < std::size(kColourFacts); ++k) {
    if (kColourFacts[k].name != kColourSettingKeys[k].name) return false;
  }
  return true;
}
static_assert(SameKeys(), "the studio's key facts and the plug-in's key table differ");

}  // namespace

std::span<const KeyFacts> LayoutKeyFacts() { return kLayoutFacts; }
std::span<const KeyFacts> ColourKeyFacts() { return kColourFacts; }
