#include "key_rules.h"

#include <array>

namespace {

constexpr Unit L = Unit::kLayout, H = Unit::kHorizontalFont, V = Unit::kVerticalFont,
               F = Unit::kFont, T = Unit::kTextScale, P = Unit::kPlainNumber;

constexpr KeyRule Plain(std::string_view key, Unit unit) {
  return {key, unit, false, Limit::kNone, 0, {}};
}
constexpr KeyRule Whole(std::string_view key, Unit unit) {
  return {key, unit, true, Limit::kNone, 0, {}};
}
constexpr KeyRule Scale(std::string_view key, Unit unit, std::string_view what) {
  return {key, unit, false, Limit::kScale, 3, what};
}

// In the order of the shipped layout file, whose comments they follow.
constexpr std::array kRules = {
    Plain("HUD_SCALE", T),
    Scale("AMMO_SCALE", T, "the ammunition and the wheels' names"),
    Scale("BIGTEXT_SCALE", T,
          "the zone and vehicle names, the mission title and the odd-job texts"),
    Scale("MISSION_BUSTED_WASTED_SCALE", T, "the big messages and the wasted/busted text"),
    Scale("SUBTEXT_SCALE", T, "the subtitles"),
    Scale("MONEY_SCALE", T, "the money"),
    KeyRule{"ENTITY_SQUARE_SCALE", P, true, Limit::kScale, 1, "the square blip marks"},
    KeyRule{"ENTITY_TRIANGLE_SCALE", P, true, Limit::kScale, 1, "the triangle blip marks"},
    Plain("WASTED_BUSTED_OFFSET", H),
    KeyRule{"INNER_RADAR_SCALE_A", L, false, Limit::kLength, 2, "the radar map's width"},
    KeyRule{"INNER_RADAR_SCALE_B", L, false, Limit::kLength, 1, "the radar map's height"},
    Whole("OUTER_RADAR_SCALE_A", L),
    Whole("OUTER_RADAR_SCALE_B", L),
    Whole("BAR_HEALTH_POS_X_Y", L),
    Whole("BAR_ARMOR_POS_X_Y", L),
    KeyRule{"BAR_THICKNESS", L, false, Limit::kLength, 1, "the health and armour bars' height"},
    KeyRule{"BAR_LENGTH_MULTIPLIER", P, false, Limit::kBarFactor, 1, "the health and armour bars"},
    Plain("ZONE_BOTTOM", V),
    Plain("ZONE_RIGHT", H),
    Plain("VEHICLE_BOTTOM", V),
    Plain("VEHICLE_RIGHT", H),
    Plain("MISSION_BOTTOM", V),
    Plain("MISSION_RIGHT", H),
    Plain("CLOCK_RIGHT", H),
    Plain("CLOCK_BOTTOM", V),
    Scale("CLOCK_SCALE", T, "the clock"),
    Plain("SUBTITLE_BOTTOM", V),
    Plain("SUBTITLE_OFFSET_L", H),
    Plain("SUBTITLE_OFFSET_R", H),
    Plain("ODDJOB_CENTRE", V),
    Plain("ODDJOB_RESULT_CENTRE", V),
    Plain("WEAPON_AMMO_POS_TOP", V),
    Plain("WEAPON_AMMO_POS_RIGHT", H),
    Plain("WEAPON_AMMO_TRANSITION_GAP", V),
    Plain("MONEY_POS_TOP", V),
    Plain("MONEY_POS_RIGHT", H),
    Whole("MONEY_TRANSITION_GAP", V),
    Plain("WANTED_POS_TOP", L),
    Plain("WANTED_POS_RIGHT", L),
    Scale("WANTED_STAR_SCALE", L, "the wanted stars"),
    Plain("WANTED_STAR_SPACE", L),
    Plain("TEXT_BOX_WIDTH", H),
    Plain("TEXT_BG_OFFSET", F),
    Scale("TEXT_BOX_TEXT_SCALE", T, "the help box's text"),
    Plain("TEXT_BOX_X_Y", F),
    Plain("MISSIONTIMERS_POS_BOTTOM", V),
    Plain("MISSIONTIMERS_POS_RIGHT", H),
    Plain("MISSIONTIMERS_TIMER_GAP", H),
    Plain("MISSIONDESC_OFFSET", V),
    Scale("MISSIONTIMERS_SCALE", T, "the timers and counters"),
    Plain("MISSIONTIMERS_BG_A", F),
    Plain("MISSIONTIMERS_BG_B", F),
    Plain("MISSIONTIMERBAR_BG_A", F),
    Plain("MISSIONTIMERBAR_BG_B", F),
    Plain("MISSIONDESCTIMERAB_GAP", V),
    Whole("ZONE_VEHICLE_MISSION_TRANSITION_GAP", V),
    Scale("RADIO_WHEEL_SCALE", F, "the radio station icon"),
    KeyRule{"WEAP_WHEEL_SCALE_MULTIPLIER", P, false, Limit::kWheelSize, 1, "the weapon wheel"},
};

// The weapon wheel's twenty slot corners: LT in (horizontal, vertical) font
// units, RB in horizontal ones.
constexpr KeyRule kSlotLeftTop = Plain("SLOT#POS_LT", F);
constexpr KeyRule kSlotRightBottom = Plain("SLOT#POS_RB", H);

bool IsSlotKey(std::string_view key, std::string_view corner) {
  return key.size() == 11 && key.starts_with("SLOT") && key[4] >= '0' && key[4] <= '9' &&
         key.substr(5) == corner;
}

}  // namespace

const KeyRule* RuleFor(std::string_view key) {
  if (IsSlotKey(key, "POS_LT")) return &kSlotLeftTop;
  if (IsSlotKey(key, "POS_RB")) return &kSlotRightBottom;
  for (const KeyRule& rule : kRules) {
    if (rule.key == key) return &rule;
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
