#pragma once
// The keys and mouse buttons the wheels and crosshairs poll, as GetKeyState
// numbers them.

inline constexpr int kKeyRightMouse = 0x02;
inline constexpr int kKeyMiddleMouse = 0x04;
inline constexpr int kKeyOne = 0x31;  // '1'
inline constexpr int kKeyTwo = 0x32;  // '2'
inline constexpr int kKeyR = 0x52;
inline constexpr int kKeyX = 0x58;
