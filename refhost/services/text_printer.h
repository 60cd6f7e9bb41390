#pragma once
// The host's text printer: a style that persists across prints, and the
// prints themselves. Every call is recorded in the draw log.
#include <cstdint>

#include "runtime/host_types.h"

namespace refhost {

struct TextStyle {
  float scale_x = 1.0f;
  float scale_y = 1.0f;
  Rgba colour{255, 255, 255, 255};
  Rgba shadow_colour{0, 0, 0, 255};
  Rgba box_colour{0, 0, 0, 0};
  int shadow_size = 0;
  int font = 0;
  float wrap_x = 640.0f;
  float line_width = 640.0f;
  float fade_alpha = 255.0f;
  int mode_i = 0;
  bool centred = false;
  bool right_aligned = false;
};

TextStyle& text_style();

}  // namespace refhost
