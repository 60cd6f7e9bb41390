// slatepane-studio: the layout studio's server. Serves the page, the
// settings of one folder and their edits, and replays of scenarios through
// the real plug-in, on 127.0.0.1 only.
//   slatepane-studio [--settings FOLDER] [--refhost FILE] [--plugin FILE]
//                    [--scenarios FOLDER] [--dictionaries FOLDER] [--host-textures FILE]
//                    [--page FOLDER] [--fonts FOLDER] [--work FOLDER] [--port N]
//                    [--plugin-symbols FILE]
//                    [--open | --no-browser]
// Prints "slatepane-studio: http://127.0.0.1:PORT/" once it listens.
// What is not given comes from the package make demo builds (dist/studio/,
// kept in the game folder): refhost, page/, fonts/, scenarios/ and
// host_textures.txd beside the executable; the game folder is the current
// folder when it holds slate_pane_morrowfen, else the one above the
// executable's; the plug-in and the dictionaries are the game's. Without
// --settings the browser opens on the game's settings, unless --no-browser.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "app/replay.h"
#include "app/studio_api.h"
#include "app/texture_store.h"
#include "edit/edit_session.h"
#include "http/http_server.h"
#include "open_browser.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr const char* kRefhost = "refhost.exe";
constexpr const char* kPlugin = "slatepane.asi";
constexpr const char* kSymbols = "slatepane-symbols.dll";  // the plug-in's unstripped twin
#else
constexpr const char* kRefhost = "refhost";
constexpr const char* kPlugin = "libslatepane.so";
constexpr const char* kSymbols = "libslatepane.so";
#endif

const char* const kValued[] = {
    "--settings", "--refhost", "--plugin", "--scenarios", "--dictionaries",  "--host-textures",
    "--page",     "--fonts",   "--work",   "--port",      "--plugin-symbols"};

int Usage(const std::string& problem) {
  std::fprintf(stderr, "slatepane-studio: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: slatepane-studio [--settings FOLDER] [--refhost FILE] [--plugin FILE] "
               "[--scenarios FOLDER] [--dictionaries FOLDER] [--host-textures FILE] "
               "[--page FOLDER] [--fonts FOLDER] [--work FOLDER] [--port N] "
               "[--open | --no-browser]\n");
  return 2;
}

std::string Parse(int argc, char** argv, std::map<std::string, std::string>& options) {
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--open" || arg == "--no-browser") {
      options.emplace(arg, "1");
      continue;
    }
    bool known = false;
    for (const char* valued : kValued) known = known || arg == valued;
    if (!known) return std::string("unknown option ").append(arg);
    if (k + 1 == argc) return std::string(arg).append(" needs a value");
    options[arg] = argv[++k];
  }
  return "";
}

// The package's own files for what the options leave out.
void FillDefaults(const char* argv0, std::map<std::string, std::string>& o) {
  const fs::path package = fs::absolute(argv0).parent_path();
  const fs::path here = fs::current_path();
  const fs::path game =
      fs::is_directory(here / "slate_pane_morrowfen") ? here : package.parent_path();
  if (!o.contains("--settings") && !o.contains("--no-browser")) o.emplace("--open", "1");
  const std::pair<const char*, fs::path> defaults[] = {
      {"--settings", game / "slate_pane_morrowfen"},
      {"--refhost", package / kRefhost},
      {"--plugin", game / kPlugin},
      {"--scenarios", package / "scenarios"},
      {"--dictionaries", game / "slate_pane_morrowfen"},
      {"--host-textures", package / "host_textures.txd"},
      {"--plugin-symbols", o.contains("--plugin") ? fs::path(o["--plugin"]) : package / kSymbols},
      {"--page", package / "page"},
      {"--fonts", package / "fonts"},
      {"--work",
       fs::temp_directory_path() / ("slatepane-studio-" + std::to_string(std::random_device{}()))},
  };
  for (const auto& [option, path] : defaults) o.emplace(option, path.string());
}

// 0 to 65535 in decimal, nothing else: "80x" or "" is no port (0 lets the
// system choose one).
std::optional<std::uint16_t> PortOf(const std::string& text) {
  std::uint16_t port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return port;
}

std::string Check(std::map<std::string, std::string>& options) {
  if (options.contains("--port") && !PortOf(options["--port"])) return "--port takes 0 to 65535";
  for (const char* file : {"--refhost", "--plugin"}) {
    if (!fs::is_regular_file(options[file])) return std::string("no ").append(options[file]);
  }
  for (const char* folder : {"--scenarios", "--page", "--fonts"}) {
    if (!fs::is_directory(options[folder])) {
      return std::string("no folder ").append(options[folder]);
    }
  }
  if (!fs::is_directory(options["--settings"])) {
    return std::string("no settings folder ").append(options["--settings"]);
  }
  return "";
}

int Serve(std::map<std::string, std::string>& o) {
  const fs::path settings = fs::canonical(o["--settings"]);
  EditSession session(settings);
  Replayer replayer({o["--refhost"], o["--plugin"], o["--plugin-symbols"], o["--scenarios"],
                     o["--dictionaries"], o["--work"]},
                    settings);
  TextureStore textures;
  textures.Load(replayer.data_folder(), o["--host-textures"]);
  StudioApi api(session, replayer, textures, {o["--page"], o["--fonts"]});
  HttpServer server;
  api.AddRoutes(server);
  const std::uint16_t port = o.contains("--port") ? PortOf(o["--port"]).value_or(0) : 0;
  if (const std::string error = server.Listen(port); !error.empty()) {
    std::fprintf(stderr, "slatepane-studio: %s\n", error.c_str());
    return 1;
  }
  // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) on a chain of +.
  std::string address = "http://127.0.0.1:";
  address.append(std::to_string(server.port())).append("/");
  std::printf("slatepane-studio: %s\n", address.c_str());
  std::printf("slatepane-studio: editing %s\n", settings.string().c_str());
  std::fflush(stdout);
  if (o.contains("--open") && !o.contains("--no-browser")) OpenBrowser(address);
  server.Serve();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  if (const std::string problem = Parse(argc, argv, options); !problem.empty()) {
    return Usage(problem);
  }
  FillDefaults(argv[0], options);
  if (const std::string problem = Check(options); !problem.empty()) return Usage(problem);
  try {
    return Serve(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "slatepane-studio: %s\n", e.what());
    return 1;
  }
}
