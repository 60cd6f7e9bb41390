#pragma once
// Replays a draw log call by call onto a picture of one frame. Every call
// moves the host's state on (text style, render states, looked-up textures,
// Im2D vertices), whatever its frame, since the host keeps that state from
// frame to frame; only the calls of the chosen frame draw.
#include <cairo.h>

#include <string>

#include "im2d_calls.h"
#include "log_call.h"
#include "render_states.h"
#include "screen.h"
#include "text_painter.h"
#include "text_style.h"
#include "texture_library.h"
#include "texture_resolver.h"

namespace preview {

class FramePlayer {
 public:
  FramePlayer(cairo_t* canvas, const TextureLibrary& library, Screen screen, int frame);

  // Throws LogError when the call's arguments are not of the form the
  // picture reads; a text style or render state call then changes nothing.
  void play(const LogCall& call);

  const TextStyle& text_style() const { return text_; }
  const RenderStates& render_states() const { return states_; }

 private:
  bool keep_state(const LogCall& call);
  void draw(const LogCall& call);

  cairo_t* canvas_;
  const TextureLibrary& library_;
  Screen screen_;
  int frame_;
  TextStyle text_;
  RenderStates states_;
  TextureResolver textures_;
  Im2D im2d_;
  TextPainter printer_;
};

}  // namespace preview
