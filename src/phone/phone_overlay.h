#pragma once
// The phone picture at the bottom right with the clock on it. 'P' slides it up
// from below the screen edge over 512 ms; it stays 100 s and vanishes. 'O'
// slides it back down. Runs once per frame from the host's second drawing call,
// not from the HUD pass.
#include <cstdint>

struct PhoneState {
  std::int32_t PhoneUntil = 0;          // host-clock ms; open while now <= it
  std::int32_t PhoneSlideOutUntil = 0;  // host-clock ms; end of the 512 ms slide-out
  // Whether a key has ever set the deadlines. Both start at 0, which a host
  // clock standing at 0 would otherwise take for an open phone.
  bool Used = false;
};

extern PhoneState phone;

void PhoneOverlay();
