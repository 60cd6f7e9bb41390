#pragma once
// The radio wheel: in a vehicle whose radio the player may use, the current
// station's icon and name for three seconds after a radio key, with host time
// slowed to half while it shows. One key asks the host to switch the radio off.
#include <cstddef>
#include <cstdint>

struct RadioWheelState {
  std::int32_t RadioWheelUntil;    // host clock (ms); open while the clock is at or before it
  std::uint8_t RadioWheelVisible;  // 1 while drawn; the weapon wheel reads it
};

extern RadioWheelState radio_wheel_state;

// The station byte of the host's vehicle record; 0 to 10 have names, 10 is off.
inline constexpr std::size_t kVehicleStationOffset = 572;
inline constexpr std::uint8_t kStationOff = 10;

inline constexpr std::int32_t kRadioWheelOpenMs = 3000;
inline constexpr float kRadioWheelTimeScale = 0.5f;

void RadioWheel();
