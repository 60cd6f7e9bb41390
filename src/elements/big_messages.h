#pragma once
// The big message and the wasted/busted message in the middle of the screen.

// Opacities (0 to 255) of the two messages; both start at 0.
struct BigMessageState {
  float BigMessageAlpha = 0.0f;    // slot 0
  float WastedBustedAlpha = 0.0f;  // slot 2
};

extern BigMessageState big_messages;

void DrawBigMessages();
