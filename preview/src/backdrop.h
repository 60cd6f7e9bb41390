#pragma once
// A quiet scene behind the HUD, so that the preview reads as a game screen:
// an evening sky over a dim city skyline and a street. Drawn by code.
#include <cairo.h>

#include "screen.h"

namespace preview {

void paint_backdrop(cairo_t* cr, const Screen& screen);

}  // namespace preview
