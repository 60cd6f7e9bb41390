// refhost: the reference host. Maps the host image of one build, loads the
// plug-in into it, plays a scenario and writes the draw log:
//   refhost --build {100|110|120|none} --plugin PATH [--scenario FILE]
//           [--frames N] [--log FILE] [--game-folder DIR] [--log-callers FILE]
//   refhost --build {100|110|120|none} --print-map
// and natively the operating-system options of os_options.h. --log-callers
// writes, line for line with the draw log, where in the plug-in each call
// was made (caller_log.h).
// After the plug-in is unloaded it checks that every intercepted call site
// holds its original bytes again (or, where the scenario's other patcher
// rewrote it, that patcher's bytes); with build none, that the plug-in changed
// no byte of the image and made no host call. A failed check exits with 3.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "caller_log.h"
#include "draw_log.h"
#include "frame_loop.h"
#include "game_files.h"
#include "game_folder.h"
#include "host_image.h"
#include "os_options.h"
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
  std::string callers;
  std::optional<int> frames;
  bool print_map = false;
  refhost::OsOptions os;
};

int usage(const std::string& problem) {
  if (!problem.empty()) std::fprintf(stderr, "refhost: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: refhost --build {100|110|120|none} --plugin PATH [--scenario FILE]\n"
               "               [--frames N] [--log FILE] [--game-folder DIR] [--log-callers FILE]\n"
               "               [--log-protection] [--log-key-queries] [--log-message-boxes]\n"
               "               [--refuse-protection-call N] [--refuse-every-protection K]\n"
               "               [--refuse-protection-at ADDRESS] [--module-handle-fails-from N]\n"
               "       refhost --build {100|110|120|none} --print-map\n");
  return 2;
}

const std::set<std::string, std::less<>> kValued = {
    "--build", "--plugin", "--scenario", "--frames", "--log", "--game-folder", "--log-callers"};

// Empty when the options are complete; otherwise what is wrong with them.
std::string parse(int argc, char** argv, Options& o) {
  for (int k = 1; k < argc; ++k) {
    std::string os = refhost::read_os_option(argc, argv, k, o.os);
    if (os.empty()) continue;
    if (os != "unknown") return os;
    const std::string arg = argv[k];
    if (arg == "--print-map") {
      o.print_map = true;
    } else if (!kValued.contains(arg)) {
      return "unknown option " + arg;
    } else if (k + 1 == argc) {
      return arg + " needs a value";
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
    } else if (arg == "--log-callers") {
      o.callers = argv[++k];
    }
  }
  if (o.build.empty()) return "--build is missing";
  return o.print_map || !o.plugin.empty() ? "" : "--plugin is missing";
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

struct PluginExtent {
  std::uint32_t base = 0;
  std::uint32_t size = 0;
};

void write_callers(const std::string& path, const PluginExtent& plugin) {
  if (path.empty()) return;
  std::vector<std::uint32_t> callers;
  for (const refhost::RecordedCall& call : refhost::draw_log().calls()) {
    callers.push_back(call.caller);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  refhost::caller_log::write(out, callers, plugin.base, plugin.size);
  if (!out) throw std::runtime_error("cannot write the callers to " + path);
}

// Puts the scenario's files back however the run ends.
struct PutBackGameFiles {
  PutBackGameFiles() = default;
  PutBackGameFiles(const PutBackGameFiles&) = delete;
  PutBackGameFiles& operator=(const PutBackGameFiles&) = delete;
  ~PutBackGameFiles() { refhost::game_files().restore(); }
};

// While the scenario's files stand, the folder must hold what it held plus
// them: the plug-in wrote nothing. Once they are put back, what it held.
std::string check_game_folder(const std::function<std::string()>& untouched) {
  std::string played = untouched();
  const std::string put_back = refhost::game_files().restore();
  if (!played.empty()) return played;
  return put_back.empty() ? untouched() : put_back;
}

// The plug-in, loaded for its lifetime: a run that fails half-way still
// unloads it while the host image it patched is there.
class LoadedPlugin {
 public:
  explicit LoadedPlugin(const std::string& path) {
    std::string error;
    plugin_ = refhost::load_plugin(path, error);
    if (plugin_ == nullptr) throw std::runtime_error("cannot load " + path + ": " + error);
  }
  ~LoadedPlugin() { refhost::unload_plugin(plugin_); }
  PluginExtent extent() const {
    PluginExtent e;
    refhost::plugin_extent(plugin_, e.base, e.size);
    return e;
  }
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

 private:
  void* plugin_ = nullptr;
};

int frames_to_play(const Options& o, const refhost::Scenario& scenario) {
  return o.frames.value_or(scenario.frames);
}

// Loads the plug-in, plays the frames and unloads it; returns the bytes of
// the image the frames' calls wrote when the build is unknown to it.
std::size_t play_plugin(const Options& o, refhost::HostImage& image,
                        const refhost::Scenario& scenario, PluginExtent& extent) {
  const LoadedPlugin plugin(o.plugin);
  extent = plugin.extent();
  return refhost::play(image, scenario, frames_to_play(o, scenario), image.version() == 0);
}

int run(const Options& o) {
  const refhost::Scenario scenario =
      o.scenario.empty() ? refhost::Scenario{} : refhost::Scenario::load(o.scenario);
  // The routines' trampolines are written with the image.
  if (!o.callers.empty()) refhost::caller_log::enable();
  refhost::HostImage image(refhost::parse_build(o.build));
  refhost::set_current_image(&image);
  if (o.print_map) {
    print_map(image);
    return 0;
  }
  if (const std::string problem = refhost::apply_os_options(o.os, image); !problem.empty()) {
    return usage(problem);
  }
  if (!o.game_folder.empty()) refhost::use_game_folder(o.game_folder);
  // Before the scenario's start writes any file.
  const auto game_folder_untouched = refhost::watch_game_folder(o.game_folder);
  const PutBackGameFiles put_back;
  refhost::set_up(image, scenario);
  const refhost::CodeSnapshot before(image);
  PluginExtent plugin;
  const std::size_t written = play_plugin(o, image, scenario, plugin);
  // Before the log is written: it may go into the game folder.
  const std::string folder = check_game_folder(game_folder_untouched);
  write_log(o.log);
  write_callers(o.callers, plugin);
  std::string problem =
      image.version() == 0
          ? refhost::check_inert(before, image, written)
          : refhost::check_restored(
                before, image,
                refhost::foreign_sites(image, scenario, frames_to_play(o, scenario)));
  if (problem.empty()) problem = folder;
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
    if (const std::string problem = parse(argc, argv, options); !problem.empty()) {
      return usage(problem);
    }
    return run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "refhost: %s\n", e.what());
    return 1;
  }
}
