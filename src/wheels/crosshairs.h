#pragma once
// The aiming reticle for the host camera's mode and the player's weapon: a gun
// reticle beside the centre, scope and viewfinder frames, a laser dot and a
// pulsing rocket sight; and the pad button that switches the host's HUD off
// and on.
#include <cstddef>
#include <cstdint>

// Offsets in the host's records, as the element reads them.
inline constexpr std::size_t kPadToggleWordOffset = 24;       // pad 1: the HUD toggle button
inline constexpr std::size_t kPadToggleGuardOffset = 66;      // pad 1: must be 0 for the toggle
inline constexpr std::size_t kCharacterAimBlockOffset = 940;  // must be 0 for a gun reticle

// The fade-in counter (HostCrosshair.Counter) runs from 0 to this.
inline constexpr std::int16_t kCrosshairCounterFull = 30;

// Holders of CrosshairSet, in the order the texture sets fill them.
enum CrosshairSprite : int {
  kSiteRocket = 0,
  kSiteSniper = 1,
  kSiteLaser = 2,
  kSiteM16 = 3,
  kViewfinder = 4,
  kLaserDot = 5,
  kSniperTarget = 6,
  kAssault = 7,
  kShotgun = 8,
  kSmg = 9,
};

// A pass that finds the host's HUD off runs the button's toggle before its
// gate, unless the menu is open or the camera is in widescreen, so that the
// same button brings the HUD back. True when it ran: the pass then draws the
// crosshairs without their own toggle, so the setting flips at most once.
bool ToggleHudWhileOff();

// `toggle`: run the button's toggle first (false after ToggleHudWhileOff ran).
void CrosshairElement(bool toggle = true);
