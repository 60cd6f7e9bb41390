#include "frame_player.h"

#include <string_view>

#include "radar_marks.h"
#include "sprite_calls.h"

namespace preview {

FramePlayer::FramePlayer(cairo_t* canvas, const TextureLibrary& library, Screen screen, int frame)
    : canvas_(canvas),
      library_(library),
      screen_(screen),
      frame_(frame),
      textures_(library),
      printer_(screen.height) {}

void FramePlayer::play(const LogCall& call) {
  if (keep_state(call)) return;
  if (call.frame == frame_) draw(call);
}

bool FramePlayer::keep_state(const LogCall& call) {
  if (apply_text_style(text_, call) || apply_render_state(states_, call)) return true;
  if (call.name == "HostTxd.FindTexture") {
    textures_.note_lookup(call);
  } else if (call.name == "HostIm2D.SetVertices") {
    if (!im2d_.set_vertices(call))
      throw LogError("HostIm2D.SetVertices: not n, vertices x y u v, colour");
  } else if (call.name == "HostIm2D.SetMaskVertices") {
    im2d_.set_mask_vertices();
  } else {
    return false;
  }
  return true;
}

void FramePlayer::draw(const LogCall& call) {
  const std::string_view name = call.name;
  const SpriteTarget sprites{canvas_, textures_, states_};
  if (name == "HostText.Print" || name == "HostText.PrintVariant") {
    const std::optional<std::string> text = call.text(2);
    if (text) printer_.print(canvas_, text_, call.f(0), call.f(1), *text);
  } else if (name == "HostSprite.Draw") {
    draw_sprite(sprites, call);
  } else if (name == "HostSprite.DrawQuad") {
    draw_sprite_quad(sprites, call);
  } else if (name == "HostSprite.DrawRaw") {
    draw_raw_sprite(sprites, call);
  } else if (name == "HostSprite.DrawRect") {
    draw_plain_rect(sprites, call);
  } else if (name == "HostIm2D.RenderPrimitive") {
    im2d_.render_primitive(canvas_, call, textures_, states_);
  } else if (name == "HostRadar.DrawSprite") {
    draw_radar_sprite(canvas_, call, library_, screen_);
  } else if (name == "HostRadar.DrawTrace") {
    draw_radar_trace(canvas_, call, screen_);
  } else if (name == "HostMap.DrawPlayerMarker") {
    draw_player_marker(canvas_, call, screen_);
  }
}

}  // namespace preview
