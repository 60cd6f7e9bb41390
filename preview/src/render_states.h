#pragma once
// The host render states the picture follows, as HostRender.SetState sets
// them. They govern HostSprite.DrawRaw and Im2D primitives; the sprite
// routines Draw, DrawQuad and DrawRect set their own (alpha blending, linear
// filtering) as the reference host's do. A state never set reads 0.
//   1  texture raster: the texture to draw with (the log names it); 0 = none
//   2  texture addressing: 3 clamps, anything else repeats
//   9  texture filter: 1 nearest, anything else linear
//   10, 11  source and destination blend: destination 2 (one) adds to the
//      picture, anything else blends by source alpha
//   12 vertex alpha: 0 ignores the opacity of the vertex colour
// Depth, fog and shading (6, 7, 8, 14) change nothing in a flat picture.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "log_call.h"
#include "textured_fill.h"

namespace preview {

struct RenderStates {
  std::map<int, std::uint32_t> values;
  // The texture state 1 was last set to, as the log names it; nothing for 0.
  std::optional<std::string> raster;

  std::uint32_t get(int id) const;
};

// Applies a HostRender.SetState call; false for any other call.
bool apply_render_state(RenderStates& states, const LogCall& call);

// How DrawRaw and Im2D fill with these states: texture and colour as given,
// blending, filter, addressing and vertex alpha from the states.
FillStyle state_fill(const RenderStates& states, const Texture* texture, Rgba colour);

}  // namespace preview
