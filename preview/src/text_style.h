#pragma once
// The host text printer's style: set call by call, kept across prints and
// frames, applied to every print. Starts as the reference host's printer does.
#include <optional>

#include "colour.h"
#include "log_call.h"

namespace preview {

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
  bool centred = false;
  bool right_aligned = false;
};

// A colour argument at `index` (four numbers), or nothing for the -1 the log
// writes in place of a missing colour.
std::optional<Rgba> colour_arg(const LogCall& call, std::size_t index);

// Applies a HostText style call; false for any other call. The switches the
// picture does not use (ModeA ... ModeL, SetModeI) are taken and ignored. A
// call with malformed arguments throws LogError and changes nothing.
bool apply_text_style(TextStyle& style, const LogCall& call);

}  // namespace preview
