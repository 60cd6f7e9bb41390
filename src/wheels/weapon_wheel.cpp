#include "wheels/weapon_wheel.h"

#include <string>

#include "frame/hud_textures.h"
#include "frame/scaling.h"
#include "runtime/host_clock.h"
#include "runtime/host_interface.h"
#include "runtime/player.h"
#include "runtime/keys.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"
#include "wheels/name_tables.h"
#include "wheels/radio_wheel.h"
#include "wheels/wheel_drawing.h"
#include "wheels/wheel_geometry.h"

WeaponWheelState weapon_wheel_state;

namespace {

// Which side of the screen centre each edge of a slot's icon lies on. The
// settings hold unsigned distances; the slot's place round the ring fixes
// the signs: 9 and 0 below left, 1 and 2 below right, 3 right, 4 and 5 above
// right, 6 and 7 above left, 8 left (y grows downward).
struct SlotSides {
  float left;
  float right;
  float top;
  float bottom;
};

constexpr SlotSides kSlotSides[kWeaponSlots] = {
    {-1, -1, +1, +1}, {+1, +1, +1, +1}, {+1, +1, +1, +1}, {+1, +1, -1, +1}, {+1, +1, -1, -1},
    {+1, +1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, +1}, {-1, -1, +1, +1},
};

float ScreenWidth() { return static_cast<float>(HostScreen::Width()); }
float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }

void TakeSnapshot(const void* character) {
  SlotSnapshot& snapshot = weapon_wheel_state.snapshot;
  snapshot = SlotSnapshot{};
  if (character == nullptr) return;
  for (int k = 0; k < kWeaponSlots; ++k) {
    snapshot.types[k] = static_cast<std::uint8_t>(SlotWeaponType(character, k));
  }
  snapshot.current_slot = CurrentSlot(character);
}

void LookUpRingSprites() {
  void* ring = hud_textures.ring.handle;
  PointHolder(RingSet[kRingSprite], ring, FormatInRing("sring"));
  PointHolder(RingSet[kIndicatorSprite], ring, FormatInRing("shl"));
}

bool TriggerOn() {
  const std::uint8_t* buttons = HostInput::Buttons();
  return KeyHeld(kKeyMiddleMouse) || KeyHeld(kKeyOne) || buttons[3] != 0 || buttons[4] != 0;
}

// Key '2' and the right mouse button keep the wheel shut while held.
bool HideKeysHeld() { return KeyHeld(kKeyTwo) || KeyHeld(kKeyRightMouse); }

bool WheelShown(std::int32_t now) {
  return now <= weapon_wheel_state.WeaponWheelUntil && !HideKeysHeld() &&
         radio_wheel_state.RadioWheelVisible == 0 && WheelGeometryDrawable();
}

void DrawSquare(SpriteHolder& holder, const WheelPoint (&c)[4], const Rgba& colour) {
  const Rgba made = HostColourOf(colour);
  HostSprite::DrawQuad(&holder, static_cast<float>(c[0].x), static_cast<float>(c[0].y),
                       static_cast<float>(c[1].x), static_cast<float>(c[1].y),
                       static_cast<float>(c[2].x), static_cast<float>(c[2].y),
                       static_cast<float>(c[3].x), static_cast<float>(c[3].y), &made);
}

void DrawRingAndIndicator() {
  DrawSquare(RingSet[kRingSprite], wheel_geometry.ring, hud_settings.colours.WHEEL_BG);
  DrawSquare(RingSet[kIndicatorSprite], wheel_geometry.indicator,
             hud_settings.colours.WHEELINDICATOR);
}

// Without a player character there is no weapon to name.
void PrintWeaponName(const void* character) {
  std::int32_t weapon_type = 0;
  if (character == nullptr || !CurrentWeaponType(character, weapon_type)) return;
  const std::string* name = WeaponName(weapon_type);
  if (name == nullptr) return;
  PrintNarrow(ScreenWidth() / 2.0f, ScreenHeight() / 2.0f, FormatInRing("%s", name->c_str()));
}

// Slot 0 shows its icon for unarmed (0) and brass knuckles (1) alike; any
// other slot shows nothing while empty.
bool SlotShown(int slot, std::uint8_t type) { return slot == 0 ? type <= 1 : type != 0; }

// The bottom edge is scaled horizontally like the sides; only the top edge
// uses the vertical rule.
FloatRect SlotRect(int slot) {
  const WheelSlotPos& pos = hud_settings.SLOTPOS[static_cast<std::size_t>(slot)];
  const SlotSides& side = kSlotSides[slot];
  const float cx = ScreenWidth() / 2.0f;
  const float cy = ScreenHeight() / 2.0f;
  FloatRect rect;
  rect.left = cx + side.left * FontScaleX(pos.LT.first);
  rect.right = cx + side.right * FontScaleX(pos.RB.first);
  rect.top = cy + side.top * FontScaleY(pos.LT.second);
  rect.bottom = cy + side.bottom * FontScaleX(pos.RB.second);
  return rect;
}

void DrawSlotIcons() {
  void* ring = hud_textures.ring.handle;
  for (int k = 0; k < kWeaponSlots; ++k) {
    const std::uint8_t type = weapon_wheel_state.snapshot.types[k];
    if (!SlotShown(k, type)) continue;
    PointHolder(SlotIcons[k], ring, FormatInRing("%u", static_cast<unsigned>(type)));
    const FloatRect rect = SlotRect(k);
    const Rgba white = HostColourOf(255, 255, 255, 255);
    HostSprite::Draw(&SlotIcons[k], &rect, &white);
  }
}

}  // namespace

void WeaponWheel() {
  const void* character = PlayerCharacter();
  TakeSnapshot(character);
  LookUpRingSprites();
  const std::int32_t now = HostTime::NowMs();
  if (TriggerOn() && !HideKeysHeld()) {
    weapon_wheel_state.WeaponWheelUntil = ClockPlus(now, kWeaponWheelOpenMs);
  }
  if (!WheelShown(now)) {
    weapon_wheel_state.WeaponWheelVisible = 0;
    return;
  }
  weapon_wheel_state.WeaponWheelVisible = 1;
  DrawRingAndIndicator();
  SetWheelTextStyle(WheelStyleOrder::ColourFirst);
  PrintWeaponName(character);
  DrawSlotIcons();
}
