#include "render_frame.h"

#include "backdrop.h"
#include "frame_player.h"
#include "log_call.h"

namespace preview {

RenderedFrame render_frame(std::istream& log, const TextureLibrary& library, Screen screen,
                           int frame, Backdrop backdrop) {
  RenderedFrame out;
  out.picture = make_image(screen.width, screen.height);
  Context cr(cairo_create(out.picture.get()));
  if (backdrop == Backdrop::Scene) paint_backdrop(cr.get(), screen);
  FramePlayer player(cr.get(), library, screen, frame);
  std::string line;
  for (int number = 1; std::getline(log, line); ++number) {
    if (line.empty()) continue;
    LogCall call;
    try {
      call = parse_log_line(line);
    } catch (const LogError& e) {
      throw LogError("line " + std::to_string(number) + ": " + e.what());
    }
    try {
      player.play(call);
    } catch (const LogError& e) {
      if (out.calls_left_out++ == 0) {
        out.first_left_out = "line " + std::to_string(number) + ": " + e.what();
      }
    }
  }
  cairo_surface_flush(out.picture.get());
  return out;
}

}  // namespace preview
