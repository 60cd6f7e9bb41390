#pragma once
// The two records the settings files fill: the layout values and the colours of
// the active colour scheme. The default member initialisers are the only place
// the defaults are written down; the reader takes them from a default record.
#include <array>
#include <cstddef>
#include <cstdint>

#include "runtime/host_types.h"

struct FloatPair {
  float first;
  float second;

  friend bool operator==(const FloatPair&, const FloatPair&) = default;
};

// One weapon wheel slot: its left-top and right-bottom corners, as distances
// from the screen centre.
struct WheelSlotPos {
  FloatPair LT;
  FloatPair RB;

  friend bool operator==(const WheelSlotPos&, const WheelSlotPos&) = default;
};

struct HudColours {
  Rgba MONEY_COLOR{89, 115, 150, 255};
  Rgba AMMO_COLOR{255, 255, 255, 255};
  Rgba AMMO_CLIP_COLOR{100, 100, 100, 255};
  Rgba WANTED_COLOR{193, 164, 120, 255};
  Rgba ZONE_COLOR{152, 154, 82, 255};
  Rgba VEHICLE_COLOR{194, 165, 120, 255};
  Rgba CLOCK_COLOR{194, 165, 120, 255};
  Rgba TIMER_COLOR{186, 101, 50, 255};
  Rgba COUNTER_COLOR{0, 106, 164, 255};
  Rgba RADAR_HEALTH_COLOR{186, 101, 50, 255};
  Rgba RADAR_ARMOR_COLOR{124, 140, 95, 255};
  Rgba BIGMESSAGE_COLOR{85, 119, 133, 255};
  Rgba WASTEDBUSTED_COLOR{170, 123, 87, 255};
  Rgba ODDJOB_COLOR{89, 115, 150, 255};
  Rgba ODDJOB2_COLOR{156, 91, 40, 255};
  Rgba MISSIONTITLE_COLOR{220, 172, 2, 255};
  Rgba MISSIONTIMER_BG{220, 172, 2, 255};
  Rgba MISSIONTIMERBAR_BG{220, 172, 2, 255};
  Rgba MISSIONTIMERBAR_FG{220, 172, 2, 255};
  Rgba WHEEL_BG{220, 172, 2, 255};
  Rgba WHEELINDICATOR{220, 172, 2, 255};

  friend bool operator==(const HudColours&, const HudColours&) = default;
};
static_assert(sizeof(HudColours) == 21 * sizeof(Rgba));

inline constexpr std::size_t kWheelSlotCount = 10;

constexpr std::array<WheelSlotPos, kWheelSlotCount> DefaultWheelSlots() {
  std::array<WheelSlotPos, kWheelSlotCount> slots{};
  for (WheelSlotPos& slot : slots) slot = {{130.0f, 130.0f}, {130.0f, 130.0f}};
  return slots;
}

// Field names are the keys of the layout settings file, in the file's table order.
struct HudSettings {
  std::int32_t VICE_CRY_RADAR_FIX = 1075;
  FloatPair HUD_SCALE{0.44f, 0.859f};
  FloatPair AMMO_SCALE{0.4263f, 0.82f};
  FloatPair BIGTEXT_SCALE{0.45f, 1.0f};
  FloatPair MISSION_BUSTED_WASTED_SCALE{0.45f, 1.0f};
  FloatPair SUBTEXT_SCALE{0.3739f, 0.7245f};
  FloatPair MONEY_SCALE{0.44f, 0.859f};
  float ENTITY_SQUARE_SCALE = 1.3f;
  float ENTITY_TRIANGLE_SCALE = 1.3f;
  float WASTED_BUSTED_OFFSET = 30.0f;
  FloatPair INNER_RADAR_SCALE_A{53.0f, 258.0f};
  FloatPair INNER_RADAR_SCALE_B{176.0f, 233.0f};
  FloatPair OUTER_RADAR_SCALE_A{43.0f, 317.0f};
  FloatPair OUTER_RADAR_SCALE_B{36.0f, 245.0f};
  FloatPair BAR_HEALTH_POS_X_Y{49.0f, 40.0f};
  FloatPair BAR_ARMOR_POS_X_Y{183.0f, 40.0f};
  float BAR_THICKNESS = 10.0f;
  float BAR_LENGTH_MULTIPLIER = 0.25f;
  float ZONE_BOTTOM = 40.0f;
  float ZONE_RIGHT = 32.0f;
  float VEHICLE_BOTTOM = 60.0f;
  float VEHICLE_RIGHT = 32.0f;
  float MISSION_BOTTOM = 40.0f;
  float MISSION_RIGHT = 20.0f;
  float CLOCK_RIGHT = 4.0f;
  float CLOCK_BOTTOM = 4.0f;
  FloatPair CLOCK_SCALE{0.31f, 0.6f};
  float SUBTITLE_BOTTOM = 50.0f;
  float SUBTITLE_OFFSET_L = 50.0f;
  float SUBTITLE_OFFSET_R = 50.0f;
  float ODDJOB_CENTRE = 40.0f;
  float ODDJOB_RESULT_CENTRE = 20.0f;
  float WEAPON_AMMO_POS_TOP = 75.0f;
  float WEAPON_AMMO_POS_RIGHT = 32.0f;
  float WEAPON_AMMO_TRANSITION_GAP = 20.0f;
  float MONEY_POS_TOP = 30.0f;
  float MONEY_POS_RIGHT = 33.0f;
  float MONEY_TRANSITION_GAP = 15.0f;
  float WANTED_POS_TOP = 40.0f;
  float WANTED_POS_RIGHT = 62.0f;
  FloatPair WANTED_STAR_SCALE{33.33f, 33.33f};
  float WANTED_STAR_SPACE = 30.0f;
  float TEXT_BOX_WIDTH = 50.0f;
  float TEXT_BG_OFFSET = 50.0f;
  FloatPair TEXT_BOX_TEXT_SCALE{0.3739f, 0.7245f};
  FloatPair TEXT_BOX_X_Y{34.0f, 28.0f};
  float MISSIONTIMERS_POS_BOTTOM = 115.0f;
  float MISSIONTIMERS_POS_RIGHT = 65.0f;
  float MISSIONTIMERS_TIMER_GAP = 2.0f;
  float MISSIONDESC_OFFSET = 1.0f;
  FloatPair MISSIONTIMERS_SCALE{0.31f, 0.6f};
  FloatPair MISSIONTIMERS_BG_A{0.31f, 0.6f};
  FloatPair MISSIONTIMERS_BG_B{0.31f, 0.6f};
  FloatPair MISSIONTIMERBAR_BG_A{0.31f, 0.6f};
  FloatPair MISSIONTIMERBAR_BG_B{0.31f, 0.6f};
  float MISSIONDESCTIMERAB_GAP = 15.0f;
  std::int32_t ZONE_VEHICLE_FONT = 1;
  float ZONE_VEHICLE_MISSION_TRANSITION_GAP = 15.0f;
  std::int32_t RADAR_TYPE = 1;
  bool USING_CLASSIC_AXIS = false;
  float RADIO_WHEEL_SCALE = 130.0f;
  float WEAP_WHEEL_SCALE_MULTIPLIER = 130.0f;
  // SLOT0POS_LT, SLOT0POS_RB, SLOT1POS_LT, ... SLOT9POS_RB.
  std::array<WheelSlotPos, kWheelSlotCount> SLOTPOS = DefaultWheelSlots();
  HudColours colours;
  // 0 off, -1 reload whenever the poll runs, else the virtual-key code that reloads.
  std::int32_t RELOAD_SETTINGS = 0;

  friend bool operator==(const HudSettings&, const HudSettings&) = default;
};
// The record's memory order is fixed: slot corners pairwise, then the colours, then the reload key.
static_assert(sizeof(WheelSlotPos) == 16 && offsetof(WheelSlotPos, RB) == 8);
static_assert(offsetof(HudSettings, colours) ==
              offsetof(HudSettings, SLOTPOS) + kWheelSlotCount * sizeof(WheelSlotPos));
static_assert(offsetof(HudSettings, RELOAD_SETTINGS) ==
              offsetof(HudSettings, colours) + sizeof(HudColours));
static_assert(offsetof(HudColours, WHEELINDICATOR) == 20 * sizeof(Rgba));

// The process-wide record: written by LoadHudSettings only, read by the HUD pass.
extern HudSettings hud_settings;
