#pragma once
// The host's sprite routines on the picture. A rectangle comes as left,
// bottom, right, top: the texture's left edge goes to the first value and its
// bottom edge to the second, so swapped edges mirror it. A quad's corners are
// the texture's bottom left, bottom right, top left and top right. A sprite
// whose holder is empty, or whose texture has no pixels, is drawn in its
// colour alone.
#include <cairo.h>

#include "log_call.h"
#include "render_states.h"
#include "texture_resolver.h"

namespace preview {

struct SpriteTarget {
  cairo_t* cr;
  const TextureResolver& textures;
  const RenderStates& states;
};

// HostSprite.Draw: holder, left, bottom, right, top, colour.
void draw_sprite(const SpriteTarget& target, const LogCall& call);
// HostSprite.DrawQuad: holder, four corners (x, y), colour.
void draw_sprite_quad(const SpriteTarget& target, const LogCall& call);
// HostSprite.DrawRaw: centre x, y, x again, half-width, half-height, r, g, b,
// a, and two values of the host's; the texture is render state 1's, and the
// render states apply.
void draw_raw_sprite(const SpriteTarget& target, const LogCall& call);
// HostSprite.DrawRect: left, bottom, right, top, colour; a plain rectangle.
void draw_plain_rect(const SpriteTarget& target, const LogCall& call);

}  // namespace preview
