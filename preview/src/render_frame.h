#pragma once
// One frame of a draw log as a picture of the screen's size.
#include <istream>
#include <string>

#include "cairo_handles.h"
#include "screen.h"
#include "texture_library.h"

namespace preview {

enum class Backdrop { None, Scene };

struct RenderedFrame {
  Surface picture;
  // Calls whose arguments the picture could not read: left out, counted, and
  // the first one described.
  int calls_left_out = 0;
  std::string first_left_out;
};

// Throws LogError, naming the line, for a line that is not a draw-log line.
RenderedFrame render_frame(std::istream& log, const TextureLibrary& library, Screen screen,
                           int frame, Backdrop backdrop);

}  // namespace preview
