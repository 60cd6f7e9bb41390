#include "wheels/radio_wheel.h"

#include <string>

#include "frame/hud_textures.h"
#include "frame/scaling.h"
#include "runtime/host_clock.h"
#include "runtime/host_interface.h"
#include "runtime/player.h"
#include "runtime/host_record.h"
#include "runtime/keys.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"
#include "wheels/name_tables.h"
#include "wheels/weapon_wheel.h"
#include "wheels/wheel_drawing.h"
#include "wheels/wheel_keys.h"

RadioWheelState radio_wheel_state;

namespace {

struct RadioContext {
  std::uint8_t station = 0;
  bool usable = false;  // the host lets this player use this vehicle's radio
};

float ScreenWidth() { return static_cast<float>(HostScreen::Width()); }
float ScreenHeight() { return static_cast<float>(HostScreen::Height()); }

// Without a player character there is nobody to ask the host about: the
// radio counts as not usable, and the host's check is not handed a null.
RadioContext ReadContext() {
  void* vehicle = PlayerVehicle();
  void* character = PlayerCharacter();
  RadioContext context;
  if (vehicle == nullptr) return context;
  context.station = read_field<std::uint8_t>(vehicle, kVehicleStationOffset);
  context.usable = character != nullptr && HostVehicle::OccupantCheck(vehicle, character);
  return context;
}

// Hidden or closed: the flag goes down and host time runs at full speed.
void Hide() {
  radio_wheel_state.RadioWheelVisible = 0;
  HostTime::Scale() = 1.0f;
}

// Leaving the vehicle with the wheel open would otherwise leave the flag up
// (keeping the weapon wheel from ever drawing on foot) and time slowed.
void CloseOutsideUsableVehicle() {
  if (radio_wheel_state.RadioWheelVisible != 0) Hide();
}

void LookUpStationIcon(std::uint8_t station) {
  PointHolder(StationIcon, hud_textures.radio.handle,
              FormatInRing("%u", static_cast<unsigned>(station)));
}

bool WeaponWheelKeysTogether() { return KeyHeld(kKeyMiddleMouse) && KeyHeld(kKeyOne); }

// 'X' only asks for the radio to be switched off; it opens nothing.
void ReadKeys(std::int32_t now) {
  if (KeyHeld(kKeyX)) {
    HostAudio::SelectStation(kStationOff);
    return;
  }
  const std::uint8_t* buttons = HostInput::Buttons();
  const bool trigger = KeyHeld(kKeyR) || (KeyHeld(kKeyTwo) && buttons[3] == 0 && buttons[4] == 0);
  if (!trigger || WeaponWheelKeysTogether()) return;
  radio_wheel_state.RadioWheelUntil = ClockPlus(now, kRadioWheelOpenMs);
  HostTime::Scale() = kRadioWheelTimeScale;
}

// Only the top edge uses the vertical rule, so the box is not symmetric
// about the centre vertically.
FloatRect IconRect() {
  const float s = hud_settings.RADIO_WHEEL_SCALE;
  const float cx = ScreenWidth() / 2.0f;
  const float cy = ScreenHeight() / 2.0f;
  FloatRect rect;
  rect.left = cx - FontScaleX(s);
  rect.right = cx + FontScaleX(s);
  rect.bottom = cy + FontScaleX(s);
  rect.top = cy - FontScaleY(s);
  return rect;
}

// The icon goes over the name, at three-quarter opacity.
void Draw(std::uint8_t station) {
  radio_wheel_state.RadioWheelVisible = 1;
  const FloatRect rect = IconRect();
  SetWheelTextStyle(WheelStyleOrder::FontFirst);
  if (const std::string* name = StationName(station)) {
    PrintNarrow(ScreenWidth() / 2.0f, ScreenHeight() / 2.0f, FormatInRing("%s", name->c_str()));
  }
  const Rgba colour = HostColourOf(255, 255, 255, 192);
  HostSprite::Draw(&StationIcon, &rect, &colour);
}

}  // namespace

void RadioWheel() {
  const RadioContext context = ReadContext();
  if (context.station > kStationOff) {
    CloseOutsideUsableVehicle();
    return;
  }
  LookUpStationIcon(context.station);
  if (!context.usable) {
    CloseOutsideUsableVehicle();
    return;
  }
  const std::int32_t now = HostTime::NowMs();
  ReadKeys(now);
  if (now <= radio_wheel_state.RadioWheelUntil && weapon_wheel_state.WeaponWheelVisible == 0) {
    Draw(context.station);
  } else {
    Hide();
  }
}
