#include "settings/load_hud_settings.h"

#include <cstddef>

#include "runtime/host_path.h"

namespace {

// The defaults come from the records' own initialisers, so each is written once.
constexpr HudSettings kDefaults{};

}  // namespace

// Every key is the name of the field it fills, spelled once: the macro makes the
// key from the field's name, so the two cannot drift apart.
#define READ_LAYOUT(reader, field) s.field = layout.reader(#field, kDefaults.field)

void ReadLayoutSettings(IniFile& layout, HudSettings& s) {
  READ_LAYOUT(ReadInt, VICE_CRY_RADAR_FIX);
  READ_LAYOUT(ReadPair, HUD_SCALE);
  READ_LAYOUT(ReadPair, MONEY_SCALE);
  READ_LAYOUT(ReadPair, AMMO_SCALE);
  READ_LAYOUT(ReadPair, BIGTEXT_SCALE);
  READ_LAYOUT(ReadPair, MISSION_BUSTED_WASTED_SCALE);
  READ_LAYOUT(ReadPair, SUBTEXT_SCALE);
  READ_LAYOUT(ReadFloat, ENTITY_SQUARE_SCALE);
  READ_LAYOUT(ReadFloat, ENTITY_TRIANGLE_SCALE);
  READ_LAYOUT(ReadFloat, WASTED_BUSTED_OFFSET);
  READ_LAYOUT(ReadPair, INNER_RADAR_SCALE_A);
  READ_LAYOUT(ReadPair, INNER_RADAR_SCALE_B);
  READ_LAYOUT(ReadPair, OUTER_RADAR_SCALE_A);
  READ_LAYOUT(ReadPair, OUTER_RADAR_SCALE_B);
  READ_LAYOUT(ReadPair, BAR_HEALTH_POS_X_Y);
  READ_LAYOUT(ReadPair, BAR_ARMOR_POS_X_Y);
  READ_LAYOUT(ReadFloat, BAR_THICKNESS);
  READ_LAYOUT(ReadFloat, BAR_LENGTH_MULTIPLIER);
  READ_LAYOUT(ReadFloat, ZONE_BOTTOM);
  READ_LAYOUT(ReadFloat, ZONE_RIGHT);
  READ_LAYOUT(ReadFloat, VEHICLE_BOTTOM);
  READ_LAYOUT(ReadFloat, VEHICLE_RIGHT);
  READ_LAYOUT(ReadFloat, MISSION_BOTTOM);
  READ_LAYOUT(ReadFloat, MISSION_RIGHT);
  READ_LAYOUT(ReadFloat, CLOCK_RIGHT);
  READ_LAYOUT(ReadFloat, CLOCK_BOTTOM);
  READ_LAYOUT(ReadPair, CLOCK_SCALE);
  READ_LAYOUT(ReadFloat, SUBTITLE_BOTTOM);
  READ_LAYOUT(ReadFloat, SUBTITLE_OFFSET_L);
  READ_LAYOUT(ReadFloat, SUBTITLE_OFFSET_R);
  READ_LAYOUT(ReadFloat, ODDJOB_CENTRE);
  READ_LAYOUT(ReadFloat, ODDJOB_RESULT_CENTRE);
  READ_LAYOUT(ReadFloat, WEAPON_AMMO_POS_TOP);
  READ_LAYOUT(ReadFloat, WEAPON_AMMO_POS_RIGHT);
  READ_LAYOUT(ReadFloat, WEAPON_AMMO_TRANSITION_GAP);
  READ_LAYOUT(ReadFloat, MONEY_POS_TOP);
  READ_LAYOUT(ReadFloat, MONEY_POS_RIGHT);
  READ_LAYOUT(ReadFloat, MONEY_TRANSITION_GAP);
  READ_LAYOUT(ReadFloat, WANTED_POS_TOP);
  READ_LAYOUT(ReadFloat, WANTED_POS_RIGHT);
  READ_LAYOUT(ReadPair, WANTED_STAR_SCALE);
  READ_LAYOUT(ReadFloat, WANTED_STAR_SPACE);
  READ_LAYOUT(ReadFloat, TEXT_BOX_WIDTH);
  READ_LAYOUT(ReadFloat, TEXT_BG_OFFSET);
  READ_LAYOUT(ReadPair, TEXT_BOX_TEXT_SCALE);
  READ_LAYOUT(ReadPair, TEXT_BOX_X_Y);
  READ_LAYOUT(ReadFloat, MISSIONTIMERS_POS_BOTTOM);
  READ_LAYOUT(ReadFloat, MISSIONTIMERS_POS_RIGHT);
  READ_LAYOUT(ReadFloat, MISSIONTIMERS_TIMER_GAP);
  READ_LAYOUT(ReadFloat, MISSIONDESC_OFFSET);
  READ_LAYOUT(ReadPair, MISSIONTIMERS_SCALE);
  READ_LAYOUT(ReadPair, MISSIONTIMERS_BG_A);
  READ_LAYOUT(ReadPair, MISSIONTIMERS_BG_B);
  READ_LAYOUT(ReadPair, MISSIONTIMERBAR_BG_A);
  READ_LAYOUT(ReadPair, MISSIONTIMERBAR_BG_B);
  READ_LAYOUT(ReadInt, ZONE_VEHICLE_FONT);
  READ_LAYOUT(ReadFloat, ZONE_VEHICLE_MISSION_TRANSITION_GAP);
  READ_LAYOUT(ReadFloat, MISSIONDESCTIMERAB_GAP);
  READ_LAYOUT(ReadInt, RADAR_TYPE);
  s.USING_CLASSIC_AXIS = layout.ReadBool("USING_CLASSIC_AXIS");
  READ_LAYOUT(ReadFloat, RADIO_WHEEL_SCALE);
  READ_LAYOUT(ReadFloat, WEAP_WHEEL_SCALE_MULTIPLIER);

  // SLOTkPOS_LT and SLOTkPOS_RB for k = 0..9, the digit written into the key.
  char lt_key[] = "SLOT0POS_LT";
  char rb_key[] = "SLOT0POS_RB";
  for (std::size_t k = 0; k < kWheelSlotCount; ++k) {
    lt_key[4] = rb_key[4] = static_cast<char>('0' + k);
    s.SLOTPOS[k].LT = layout.ReadPair(lt_key, kDefaults.SLOTPOS[k].LT);
    s.SLOTPOS[k].RB = layout.ReadPair(rb_key, kDefaults.SLOTPOS[k].RB);
  }
}

#undef READ_LAYOUT

#define READ_COLOUR(field) c.field = colours.ReadColour(#field, kDefaults.colours.field)

void ReadColourScheme(IniFile& colours, HudColours& c) {
  READ_COLOUR(MONEY_COLOR);
  READ_COLOUR(AMMO_COLOR);
  READ_COLOUR(AMMO_CLIP_COLOR);
  READ_COLOUR(WANTED_COLOR);
  READ_COLOUR(ZONE_COLOR);
  READ_COLOUR(VEHICLE_COLOR);
  READ_COLOUR(CLOCK_COLOR);
  READ_COLOUR(TIMER_COLOR);
  READ_COLOUR(COUNTER_COLOR);
  READ_COLOUR(RADAR_HEALTH_COLOR);
  READ_COLOUR(RADAR_ARMOR_COLOR);
  READ_COLOUR(BIGMESSAGE_COLOR);
  READ_COLOUR(WASTEDBUSTED_COLOR);
  READ_COLOUR(ODDJOB_COLOR);
  READ_COLOUR(ODDJOB2_COLOR);
  READ_COLOUR(MISSIONTITLE_COLOR);
  READ_COLOUR(MISSIONTIMER_BG);
  READ_COLOUR(MISSIONTIMERBAR_BG);
  READ_COLOUR(MISSIONTIMERBAR_FG);
  READ_COLOUR(WHEEL_BG);
  READ_COLOUR(WHEELINDICATOR);
}

#undef READ_COLOUR

std::int32_t ReadReloadSwitch(IniFile& layout) {
  if (!layout.ReadBool("RELOAD_SETTINGS")) return 0;
  return layout.ReadInt("RELOAD_SETTINGS", -1);
}

const char* ColourSchemeFile(std::int32_t radar_type) {
  switch (radar_type) {
    case 1:
      return kClassicColoursFile;
    case 2:
      return kModernColoursFile;
    default:
      return kVColoursFile;
  }
}

void LoadHudSettings(HudSettings& s) noexcept {
  try {
    IniFile layout(host_path(kLayoutSettingsFile));
    ReadLayoutSettings(layout, s);
    IniFile colours(host_path(ColourSchemeFile(s.RADAR_TYPE)));
    ReadColourScheme(colours, s.colours);
    s.RELOAD_SETTINGS = ReadReloadSwitch(layout);
  } catch (...) {
    // Only allocation can fail here. The host must never see an exception, and
    // a half-written record would mix two loads: fall back to the defaults.
    s = HudSettings{};
  }
}
