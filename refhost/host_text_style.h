#pragma once
// The host text printer's style: set call by call, kept across prints and
// frames, applied to every print. The reference host keeps it as the host
// does, and the preview replays a draw log into the same record, each with
// its own colour type; one record, so the two cannot drift apart.

namespace refhost {

template <class Colour>
struct BasicTextStyle {
  float scale_x = 1.0f;
  float scale_y = 1.0f;
  Colour colour{255, 255, 255, 255};
  Colour shadow_colour{0, 0, 0, 255};
  Colour box_colour{0, 0, 0, 0};
  int shadow_size = 0;
  int font = 0;
  float wrap_x = 640.0f;
  float line_width = 640.0f;
  float fade_alpha = 255.0f;
  int mode_i = 0;  // the preview takes it and ignores it
  bool centred = false;
  bool right_aligned = false;
};

}  // namespace refhost
