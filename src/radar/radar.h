#pragma once
// The radar: frame, the host's map layer, health and armour bars, blips.
#include "runtime/host_types.h"
#include "runtime/sprite_holders.h"

// The frame is re-pointed at "clrect" or "blrect" every frame; the bars use
// "bar", loaded with the texture sets.
inline SpriteHolder& RadarFrameSprite = HudSet[0];
inline SpriteHolder& BarSprite = HudSet[2];

// Percentage of value over maximum, truncated and limited to 0..100; 0 when
// the quotient is not finite (a maximum of 0 included).
int RadarBarPercentage(float value, float maximum);

// HUD proper step 2: frame, map, armour and health bars, blips; blinks while
// the host flashes the radar. Ends with the host's radar epilogue when asked.
void DrawRadar();

// One bar of `length` layout units, growing rightward from its left end;
// nothing for a length that is not above 0.
void DrawRadarBar(float length, bool armour, Rgba colour);
