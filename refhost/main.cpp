// refhost: the reference host. Maps the host image of one build, loads the
// plug-in into it, plays a scenario and writes the draw log:
//   refhost --build {100|110|120|none} --plugin PATH [--scenario FILE]
//           [--frames N] [--log FILE] [--game-folder DIR]
//   refhost --build {100|110|120|none} --print-map
// After the plug-in is unloaded it checks that every intercepted call site
// holds its original bytes again; with build none, that the plug-in changed no
// byte of the image and made no host call. A failed check exits with 3.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "draw_log.h"
#include "frame_loop.h"
#include "game_folder.h"
#include "host_image.h"
#include "plugin_loader.h"
#include "restoration_check.h"
#include "scenario.h"

namespace {

struct Options {
  std::string build;
  std::string plugin;
  std::string scenario;
  std::string log;
  std::string game_folder;
  std::optional<int> frames;
  bool print_map = false;
};

int usage() {
  std::fprintf(stderr,
               "usage: refhost --build {100|110|120|none} --plugin PATH [--scenario FILE]\n"
               "               [--frames N] [--log FILE] [--game-folder DIR]\n"
               "       refhost --build {100|110|120|none} --print-map\n");
  return 2;
}

bool parse(int argc, char** argv, Options& o) {
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    const bool has_value = k + 1 < argc;
    if (arg == "--print-map") {
      o.print_map = true;
    } else if (!has_value) {
      return false;
    } else if (arg == "--build") {
      o.build = argv[++k];
    } else if (arg == "--plugin") {
      o.plugin = argv[++k];
    } else if (arg == "--scenario") {
      o.scenario = argv[++k];
    } else if (arg == "--frames") {
      o.frames = std::stoi(argv[++k]);
    } else if (arg == "--log") {
      o.log = argv[++k];
    } else if (arg == "--game-folder") {
      o.game_folder = argv[++k];
    } else {
      return false;
    }
  }
  return !o.build.empty() && (o.print_map || !o.plugin.empty());
}

void print_map(const refhost::HostImage& image) {
  std::printf("build %s\n", image.version() ? std::to_string(image.version()).c_str() : "none");
  for (std::size_t id = 0; id < kHostSymbolCount; ++id) {
    const HostSymbol& s = kHostSymbols[id];
    std::printf("%-36s %-8s %-5s 0x%06X\n", s.name,
                s.kind == HostKind::Routine ? "routine" : "variable",
                s.form == HostForm::BOUND ? "bound" : "fixed",
                image.symbol_address(static_cast<HostId>(id)));
  }
}

void write_log(const std::string& path) {
  if (path.empty()) {
    refhost::draw_log().print(std::cout);
    return;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  refhost::draw_log().print(out);
  if (!out) throw std::runtime_error("cannot write the draw log to " + path);
}

int run(const Options& o) {
  const refhost::Scenario scenario =
      o.scenario.empty() ? refhost::Scenario{} : refhost::Scenario::load(o.scenario);
  refhost::HostImage image(refhost::parse_build(o.build));
  refhost::set_current_image(&image);
  if (o.print_map) {
    print_map(image);
    return 0;
  }
  if (!o.game_folder.empty()) refhost::use_game_folder(o.game_folder);
  refhost::set_up(image, scenario);
  const refhost::CodeSnapshot before(image);
  const auto game_folder_untouched = refhost::watch_game_folder(o.game_folder);
  std::string error;
  void* plugin = refhost::load_plugin(o.plugin, error);
  if (plugin == nullptr) throw std::runtime_error("cannot load " + o.plugin + ": " + error);
  const bool inert = image.version() == 0;
  const std::size_t written =
      refhost::play(image, scenario, o.frames.value_or(scenario.frames), inert);
  refhost::unload_plugin(plugin);
  // Before the log is written: it may go into the game folder.
  const std::string untouched = game_folder_untouched();
  write_log(o.log);
  std::string problem =
      inert ? refhost::check_inert(before, image, written) : refhost::check_restored(before, image);
  if (problem.empty()) problem = untouched;
  if (!problem.empty()) {
    std::fprintf(stderr, "refhost: %s\n", problem.c_str());
    return 3;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    if (!parse(argc, argv, options)) return usage();
    return run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "refhost: %s\n", e.what());
    return 1;
  }
}
