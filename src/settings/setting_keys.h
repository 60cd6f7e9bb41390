#pragma once
// Every key of the two settings files and the field it fills: the one list the
// reader asks and tools check against. A field's type says how its value
// converts (32-bit integer: ReadInt, float: ReadFloat, FloatPair: ReadPair,
// bool: ReadBool, Rgba: ReadColour); its default is the record's own
// initialiser, so a default-constructed record holds every default.
#include <cstdint>
#include <string_view>
#include <variant>

#include "settings/hud_settings.h"
#include "settings/key_index.h"

// One corner pair of one weapon wheel slot, which lives in an array.
struct WheelSlotCorner {
  std::uint8_t slot;
  FloatPair WheelSlotPos::*corner;
};

using LayoutField = std::variant<std::int32_t HudSettings::*, float HudSettings::*,
                                 FloatPair HudSettings::*, bool HudSettings::*, WheelSlotCorner>;

struct LayoutSettingKey {
  std::string_view name;
  LayoutField field;
  IniKey key;  // the name with its hash, for the reader
};

struct ColourSettingKey {
  std::string_view name;
  Rgba HudColours::*field;
  IniKey key;
};

// The key is the field's name, spelled once: the two cannot drift apart.
#define SLATEPANE_LAYOUT_KEY(field) \
  LayoutSettingKey { #field, &HudSettings::field, IniKey(#field) }
#define SLATEPANE_SLOT_KEY(k, corner)                                    \
  LayoutSettingKey {                                                     \
    "SLOT" #k "POS_" #corner, WheelSlotCorner{k, &WheelSlotPos::corner}, \
        IniKey("SLOT" #k "POS_" #corner)                                 \
  }

// The layout keys in the order the reader asks for them: the record's order,
// except that MONEY_SCALE comes right after HUD_SCALE and MISSIONDESCTIMERAB_GAP
// after ZONE_VEHICLE_MISSION_TRANSITION_GAP. RELOAD_SETTINGS is apart: it is
// read after the colours, in its own way (kReloadSettingsKey).
inline constexpr LayoutSettingKey kLayoutSettingKeys[] = {
    SLATEPANE_LAYOUT_KEY(VICE_CRY_RADAR_FIX),
    SLATEPANE_LAYOUT_KEY(HUD_SCALE),
    SLATEPANE_LAYOUT_KEY(MONEY_SCALE),
    SLATEPANE_LAYOUT_KEY(AMMO_SCALE),
    SLATEPANE_LAYOUT_KEY(BIGTEXT_SCALE),
    SLATEPANE_LAYOUT_KEY(MISSION_BUSTED_WASTED_SCALE),
    SLATEPANE_LAYOUT_KEY(SUBTEXT_SCALE),
    SLATEPANE_LAYOUT_KEY(ENTITY_SQUARE_SCALE),
    SLATEPANE_LAYOUT_KEY(ENTITY_TRIANGLE_SCALE),
    SLATEPANE_LAYOUT_KEY(WASTED_BUSTED_OFFSET),
    SLATEPANE_LAYOUT_KEY(INNER_RADAR_SCALE_A),
    SLATEPANE_LAYOUT_KEY(INNER_RADAR_SCALE_B),
    SLATEPANE_LAYOUT_KEY(OUTER_RADAR_SCALE_A),
    SLATEPANE_LAYOUT_KEY(OUTER_RADAR_SCALE_B),
    SLATEPANE_LAYOUT_KEY(BAR_HEALTH_POS_X_Y),
    SLATEPANE_LAYOUT_KEY(BAR_ARMOR_POS_X_Y),
    SLATEPANE_LAYOUT_KEY(BAR_THICKNESS),
    SLATEPANE_LAYOUT_KEY(BAR_LENGTH_MULTIPLIER),
    SLATEPANE_LAYOUT_KEY(ZONE_BOTTOM),
    SLATEPANE_LAYOUT_KEY(ZONE_RIGHT),
    SLATEPANE_LAYOUT_KEY(VEHICLE_BOTTOM),
    SLATEPANE_LAYOUT_KEY(VEHICLE_RIGHT),
    SLATEPANE_LAYOUT_KEY(MISSION_BOTTOM),
    SLATEPANE_LAYOUT_KEY(MISSION_RIGHT),
    SLATEPANE_LAYOUT_KEY(CLOCK_RIGHT),
    SLATEPANE_LAYOUT_KEY(CLOCK_BOTTOM),
    SLATEPANE_LAYOUT_KEY(CLOCK_SCALE),
    SLATEPANE_LAYOUT_KEY(SUBTITLE_BOTTOM),
    SLATEPANE_LAYOUT_KEY(SUBTITLE_OFFSET_L),
    SLATEPANE_LAYOUT_KEY(SUBTITLE_OFFSET_R),
    SLATEPANE_LAYOUT_KEY(ODDJOB_CENTRE),
    SLATEPANE_LAYOUT_KEY(ODDJOB_RESULT_CENTRE),
    SLATEPANE_LAYOUT_KEY(WEAPON_AMMO_POS_TOP),
    SLATEPANE_LAYOUT_KEY(WEAPON_AMMO_POS_RIGHT),
    SLATEPANE_LAYOUT_KEY(WEAPON_AMMO_TRANSITION_GAP),
    SLATEPANE_LAYOUT_KEY(MONEY_POS_TOP),
    SLATEPANE_LAYOUT_KEY(MONEY_POS_RIGHT),
    SLATEPANE_LAYOUT_KEY(MONEY_TRANSITION_GAP),
    SLATEPANE_LAYOUT_KEY(WANTED_POS_TOP),
    SLATEPANE_LAYOUT_KEY(WANTED_POS_RIGHT),
    SLATEPANE_LAYOUT_KEY(WANTED_STAR_SCALE),
    SLATEPANE_LAYOUT_KEY(WANTED_STAR_SPACE),
    SLATEPANE_LAYOUT_KEY(TEXT_BOX_WIDTH),
    SLATEPANE_LAYOUT_KEY(TEXT_BG_OFFSET),
    SLATEPANE_LAYOUT_KEY(TEXT_BOX_TEXT_SCALE),
    SLATEPANE_LAYOUT_KEY(TEXT_BOX_X_Y),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_POS_BOTTOM),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_POS_RIGHT),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_TIMER_GAP),
    SLATEPANE_LAYOUT_KEY(MISSIONDESC_OFFSET),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_SCALE),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_BG_A),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERS_BG_B),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERBAR_BG_A),
    SLATEPANE_LAYOUT_KEY(MISSIONTIMERBAR_BG_B),
    SLATEPANE_LAYOUT_KEY(ZONE_VEHICLE_FONT),
    SLATEPANE_LAYOUT_KEY(ZONE_VEHICLE_MISSION_TRANSITION_GAP),
    SLATEPANE_LAYOUT_KEY(MISSIONDESCTIMERAB_GAP),
    SLATEPANE_LAYOUT_KEY(RADAR_TYPE),
    SLATEPANE_LAYOUT_KEY(USING_CLASSIC_AXIS),
    SLATEPANE_LAYOUT_KEY(RADIO_WHEEL_SCALE),
    SLATEPANE_LAYOUT_KEY(WEAP_WHEEL_SCALE_MULTIPLIER),
    SLATEPANE_SLOT_KEY(0, LT),
    SLATEPANE_SLOT_KEY(0, RB),
    SLATEPANE_SLOT_KEY(1, LT),
    SLATEPANE_SLOT_KEY(1, RB),
    SLATEPANE_SLOT_KEY(2, LT),
    SLATEPANE_SLOT_KEY(2, RB),
    SLATEPANE_SLOT_KEY(3, LT),
    SLATEPANE_SLOT_KEY(3, RB),
    SLATEPANE_SLOT_KEY(4, LT),
    SLATEPANE_SLOT_KEY(4, RB),
    SLATEPANE_SLOT_KEY(5, LT),
    SLATEPANE_SLOT_KEY(5, RB),
    SLATEPANE_SLOT_KEY(6, LT),
    SLATEPANE_SLOT_KEY(6, RB),
    SLATEPANE_SLOT_KEY(7, LT),
    SLATEPANE_SLOT_KEY(7, RB),
    SLATEPANE_SLOT_KEY(8, LT),
    SLATEPANE_SLOT_KEY(8, RB),
    SLATEPANE_SLOT_KEY(9, LT),
    SLATEPANE_SLOT_KEY(9, RB),
};

#undef SLATEPANE_LAYOUT_KEY
#undef SLATEPANE_SLOT_KEY

#define SLATEPANE_COLOUR_KEY(field) \
  ColourSettingKey { #field, &HudColours::field, IniKey(#field) }

// The twenty-one colours in the order of the record, which is the order read.
inline constexpr ColourSettingKey kColourSettingKeys[] = {
    SLATEPANE_COLOUR_KEY(MONEY_COLOR),        SLATEPANE_COLOUR_KEY(AMMO_COLOR),
    SLATEPANE_COLOUR_KEY(AMMO_CLIP_COLOR),    SLATEPANE_COLOUR_KEY(WANTED_COLOR),
    SLATEPANE_COLOUR_KEY(ZONE_COLOR),         SLATEPANE_COLOUR_KEY(VEHICLE_COLOR),
    SLATEPANE_COLOUR_KEY(CLOCK_COLOR),        SLATEPANE_COLOUR_KEY(TIMER_COLOR),
    SLATEPANE_COLOUR_KEY(COUNTER_COLOR),      SLATEPANE_COLOUR_KEY(RADAR_HEALTH_COLOR),
    SLATEPANE_COLOUR_KEY(RADAR_ARMOR_COLOR),  SLATEPANE_COLOUR_KEY(BIGMESSAGE_COLOR),
    SLATEPANE_COLOUR_KEY(WASTEDBUSTED_COLOR), SLATEPANE_COLOUR_KEY(ODDJOB_COLOR),
    SLATEPANE_COLOUR_KEY(ODDJOB2_COLOR),      SLATEPANE_COLOUR_KEY(MISSIONTITLE_COLOR),
    SLATEPANE_COLOUR_KEY(MISSIONTIMER_BG),    SLATEPANE_COLOUR_KEY(MISSIONTIMERBAR_BG),
    SLATEPANE_COLOUR_KEY(MISSIONTIMERBAR_FG), SLATEPANE_COLOUR_KEY(WHEEL_BG),
    SLATEPANE_COLOUR_KEY(WHEELINDICATOR),
};

#undef SLATEPANE_COLOUR_KEY

// The reload switch: a flag and a key code in one value, 0 by default.
inline constexpr std::string_view kReloadSettingsKey = "RELOAD_SETTINGS";

// The field a layout key fills, in a record of either constness.
template <typename Record, typename T>
auto& LayoutFieldOf(Record& s, T HudSettings::*member) {
  return s.*member;
}
template <typename Record>
auto& LayoutFieldOf(Record& s, WheelSlotCorner corner) {
  return s.SLOTPOS[corner.slot].*corner.corner;
}
