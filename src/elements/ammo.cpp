#include "elements/ammo.h"

#include <cstddef>
#include <cstdint>

#include "elements/display_timers.h"
#include "frame/number_text.h"
#include "frame/scaling.h"
#include "runtime/host_colour.h"
#include "runtime/host_interface.h"
#include "runtime/host_record.h"
#include "runtime/player.h"
#include "settings/hud_settings.h"

namespace {

// Player character record: ten weapon slots of 24 bytes, and the current slot.
constexpr std::size_t kWeaponSlots = 1032;
constexpr std::size_t kWeaponSlotBytes = 24;
constexpr std::size_t kSlotCount = 10;
constexpr std::size_t kSlotType = 0;
constexpr std::size_t kSlotClip = 8;
constexpr std::size_t kSlotTotal = 12;
constexpr std::size_t kCurrentSlot = 1284;
// Weapon information record.
constexpr std::size_t kInfoClipSize = 0;

constexpr std::int32_t kFlameThrower = 31;
constexpr std::int32_t kDetonator = 34;
constexpr std::uint32_t kUnlimitedReserve = 9999;

constexpr std::size_t kClipTextSize = 16;

struct Weapon {
  std::uint32_t slot = 0;
  std::int32_t type = 0;
  std::uint32_t clip = 0;
  std::uint32_t total = 0;
  std::int32_t clip_size = 0;
};

Weapon CurrentWeapon(const void* character) {
  Weapon w;
  w.slot = read_field<std::uint8_t>(character, kCurrentSlot);
  const std::size_t at = kWeaponSlots + kWeaponSlotBytes * w.slot;
  w.type = read_field<std::int32_t>(character, at + kSlotType);
  w.clip = read_field<std::uint32_t>(character, at + kSlotClip);
  w.total = read_field<std::uint32_t>(character, at + kSlotTotal);
  const void* info = HostWeaponInfo::Get(w.type);
  w.clip_size = info == nullptr ? 0 : read_field<std::int32_t>(info, kInfoClipSize);
  return w;
}

bool PrintsOnce(std::int32_t type) {
  switch (type) {
    case 12:  // Grenade
    case 13:  // Remote Detonation Grenades
    case 15:  // Molotov Cocktails
    case 19:  // Shotgun
    case 21:  // Stubby Shotgun
    case 28:  // Sniper Rifle
    case 30:  // Rocket Launcher
    case 36:  // Camera
      return true;
    default:
      return false;
  }
}

struct AmmoTexts {
  const char16_t* main = nullptr;
  const char16_t* clip = nullptr;  // null when the weapon has none
};

// The clip number, in the element's own buffers.
struct ClipBuffers {
  char text[kClipTextSize];
  char16_t wide[kClipTextSize];
};

// The main text goes to the shared number buffers, the clip text to `buffers`.
AmmoTexts MakeTexts(const Weapon& w, ClipBuffers& buffers) {
  AmmoTexts texts;
  if (w.clip_size < 2 || w.clip_size > 999) {
    texts.main = FormatNumberText("%d", static_cast<int>(w.total));
    return texts;
  }
  const std::uint32_t reserve = w.total - w.clip;
  // The flame thrower counts its fuel in tenths.
  const std::uint32_t unit = w.type == kFlameThrower ? 10 : 1;
  texts.main =
      FormatNumberText("%d %d", static_cast<int>(reserve / unit), static_cast<int>(w.clip / unit));
  texts.clip = FormatHostText(buffers.text, buffers.wide, kClipTextSize, "%d",
                              static_cast<int>(w.clip / unit));
  return texts;
}

void SetUp(int alpha) {
  const HudSettings& s = hud_settings;
  HostText::SetShadowSize(1);
  const Rgba shadow = MakeColour(0, 0, 0, alpha);
  HostText::SetShadowColour(&shadow);
  HostText::AlignRight();
  const float w = static_cast<float>(HostScreen::Width());
  HostText::SetLineWidth(w * 1.3333334f / HostScreen::WidthScale());
  HostText::SetFont(2);
  const Rgba& c = s.colours.AMMO_COLOR;
  const Rgba colour = MakeColour(c.r, c.g, c.b, alpha);
  HostText::SetColour(&colour);
  HostText::SetScale(FontScaleX(s.AMMO_SCALE.first), FontScaleY(s.AMMO_SCALE.second));
  HostText::ModeA();
  HostText::ModeB();
}

bool Hidden(const Weapon& w) {
  return w.total - w.clip >= kUnlimitedReserve || HostState::HideAmmo() || w.slot == 0 ||
         w.slot == 1 || w.type == kDetonator;
}

}  // namespace

void DrawAmmo(float lift, float drop) {
  const void* character = PlayerCharacter();
  if (character == nullptr) return;
  // Only ten slots exist; a slot number beyond them names nothing to read.
  if (read_field<std::uint8_t>(character, kCurrentSlot) >= kSlotCount) return;
  const Weapon weapon = CurrentWeapon(character);
  ClipBuffers buffers;
  const AmmoTexts texts = MakeTexts(weapon, buffers);
  const int alpha = static_cast<std::uint8_t>(display_timers.WeaponAlpha);
  SetUp(alpha);
  if (Hidden(weapon)) return;
  const HudSettings& s = hud_settings;
  const float x = static_cast<float>(HostScreen::Width()) - FontScaleX(s.WEAPON_AMMO_POS_RIGHT);
  const float y =
      (s.WEAPON_AMMO_POS_TOP - lift + drop) * static_cast<float>(HostScreen::Height()) / 448.0f;
  HostText::Print(x, y, texts.main);
  // Without a clip text (a clip size outside 2 to 999) the main text stands alone.
  if (PrintsOnce(weapon.type) || texts.clip == nullptr) return;
  const Rgba& c = s.colours.AMMO_CLIP_COLOR;
  const Rgba colour = MakeColour(c.r, c.g, c.b, alpha);
  HostText::SetColour(&colour);
  // Right-aligned at the same point, the clip count covers the end of the main text.
  HostText::Print(x, y, texts.clip);
}
