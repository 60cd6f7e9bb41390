// draw_log_to_png: draws one frame of a reference-host draw log as a PNG of
// the scenario's screen size.
//   draw_log_to_png --log FILE --out FILE.png [--scenario FILE] [--frame N]
//                   [--textures FOLDER] [--host-textures FILE] [--backdrop scene|none]
// --frame defaults to the last frame of the run; --textures is the plug-in's
// data folder holding its dictionaries; --host-textures the reference host's
// store textures (make_host_textures). Bad input: one line on standard error,
// exit 1; bad options: exit 2.
#include <cairo.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "log_call.h"
#include "render_frame.h"
#include "scenario_shape.h"
#include "texture_library.h"

namespace {

using preview::Backdrop;

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string log, out, scenario, textures, host_textures;
  std::optional<int> frame;
  Backdrop backdrop = Backdrop::Scene;
};

int parse_frame(const std::string& text) {
  int value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw UsageError("--frame takes a whole number, not \"" + text + "\"");
  }
  return value;
}

Options parse_options(int argc, char** argv) {
  Options o;
  std::map<std::string, std::string*> paths = {{"--log", &o.log},
                                               {"--out", &o.out},
                                               {"--scenario", &o.scenario},
                                               {"--textures", &o.textures},
                                               {"--host-textures", &o.host_textures}};
  for (int k = 1; k < argc; k += 2) {
    const std::string option = argv[k];
    if (k + 1 >= argc) throw UsageError(option + " needs a value");
    const std::string value = argv[k + 1];
    if (const auto found = paths.find(option); found != paths.end()) {
      *found->second = value;
    } else if (option == "--frame") {
      o.frame = parse_frame(value);
    } else if (option == "--backdrop" && (value == "scene" || value == "none")) {
      o.backdrop = value == "scene" ? Backdrop::Scene : Backdrop::None;
    } else {
      throw UsageError("unknown option " + option + " " + value);
    }
  }
  if (o.log.empty() || o.out.empty()) throw UsageError("--log and --out are needed");
  return o;
}

preview::TextureLibrary load_textures(const Options& o) {
  preview::TextureLibrary library;
  if (!o.textures.empty()) {
    if (!std::filesystem::is_directory(o.textures)) {
      throw std::runtime_error("no texture folder " + o.textures);
    }
    library.add_folder(o.textures);
  }
  if (!o.host_textures.empty()) library.add_file(o.host_textures, preview::kHostStore);
  return library;
}

int chosen_frame(const Options& o, int frames) {
  const int frame = o.frame.value_or(frames);
  if (frame < 1 || frame > frames) {
    throw std::runtime_error("frame " + std::to_string(frame) +
                             " is not in the run, which plays frames 1 to " +
                             std::to_string(frames));
  }
  return frame;
}

int run(const Options& o) {
  const preview::ScenarioShape shape =
      o.scenario.empty() ? preview::ScenarioShape{} : preview::read_scenario_shape(o.scenario);
  const int frame = chosen_frame(o, shape.frames);
  const preview::TextureLibrary library = load_textures(o);
  std::ifstream log(o.log);
  if (!log) throw std::runtime_error("cannot read the draw log " + o.log);
  const preview::RenderedFrame picture =
      preview::render_frame(log, library, shape.screen, frame, o.backdrop);
  if (cairo_surface_write_to_png(picture.picture.get(), o.out.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + o.out);
  }
  if (picture.calls_left_out > 0) {
    std::fprintf(stderr, "draw_log_to_png: %d call(s) left out of the picture; first, %s\n",
                 picture.calls_left_out, picture.first_left_out.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(parse_options(argc, argv));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "draw_log_to_png: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "draw_log_to_png: %s\n", e.what());
    return 1;
  }
}
