#pragma once
// Colours are built by the host (HostColour.Make keeps the low 8 bits of each
// component), so every colour an element passes is one the host made.
#include "runtime/host_interface.h"

inline Rgba MakeColour(int r, int g, int b, int a) {
  Rgba colour{};
  HostColour::Make(&colour, r, g, b, a);
  return colour;
}
