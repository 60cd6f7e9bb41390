#pragma once
// Drawing helpers the wheels and the crosshairs share.
#include "runtime/host_types.h"
#include "wheels/format_ring.h"

// A colour as the host makes it.
Rgba HostColourOf(int r, int g, int b, int a);
inline Rgba HostColourOf(const Rgba& c) { return HostColourOf(c.r, c.g, c.b, c.a); }

// Looks a sprite up by name in a dictionary and points the holder at it; a
// name the dictionary lacks leaves whatever the host answers, unchecked.
void PointHolder(SpriteHolder& holder, void* dictionary, const FormattedText& name);

// Prints an 8-bit text at (x, y), widened character by character.
void PrintNarrow(float x, float y, const FormattedText& text);

// The text style both wheels print their names in. The weapon wheel sets the
// colour before the font; the radio wheel after it.
enum class WheelStyleOrder { ColourFirst, FontFirst };
void SetWheelTextStyle(WheelStyleOrder order);
