#include "replay.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "call_bounds.h"
#include "edit/file_bytes_io.h"
#include "edit/settings_path.h"
#include "log_call.h"
#include "run_program.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

constexpr int kLargestSide = 8192;

// The calls the painter reads (docs/preview.md); queries and bookkeeping of
// the host's are left out of what the page receives.
bool Painted(std::string_view name) {
  static const std::unordered_set<std::string_view> kNames = {
      "HostIm2D.RenderPrimitive", "HostIm2D.SetMaskVertices", "HostIm2D.SetVertices",
      "HostMap.DrawPlayerMarker", "HostRadar.DrawSprite",     "HostRadar.DrawTrace",
      "HostRender.SetState",      "HostSprite.Draw",          "HostSprite.DrawQuad",
      "HostSprite.DrawRaw",       "HostSprite.DrawRect",      "HostTxd.FindTexture"};
  return kNames.contains(name) || name.starts_with("HostText.");
}

bool PlainName(const std::string& name) {
  if (name.empty() || name.size() > 64) return false;
  for (const char c : name) {
    if (!(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9') && c != '-') return false;
  }
  return true;
}

void AppendString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?: the log's numbers are
// written as they are, in their shortest form; "inf" or "nan" as text.
bool IsJsonNumber(std::string_view w) {
  std::size_t k = 0;
  const auto digits = [&] {
    const std::size_t from = k;
    while (k < w.size() && w[k] >= '0' && w[k] <= '9') ++k;
    return k > from;
  };
  if (k < w.size() && w[k] == '-') ++k;
  if (k < w.size() && w[k] == '0') {
    ++k;
  } else if (!digits()) {
    return false;
  }
  if (k < w.size() && w[k] == '.' && (++k, !digits())) return false;
  if (k < w.size() && (w[k] == 'e' || w[k] == 'E')) {
    ++k;
    if (k < w.size() && (w[k] == '+' || w[k] == '-')) ++k;
    if (!digits()) return false;
  }
  return k == w.size();
}

void AppendArgument(std::string& out, const preview::LogArg& arg) {
  if (arg.kind == preview::LogArg::Kind::Null) {
    out += "null";
  } else if (arg.kind == preview::LogArg::Kind::Word && IsJsonNumber(arg.value)) {
    out += arg.value;
  } else {
    AppendString(out, arg.value);
  }
}

void AppendRoutine(std::string& out, const PluginSymbols::Routine& routine) {
  if (!out.empty()) out += ',';
  out += "{\"name\":";
  AppendString(out, routine.name);
  out += ",\"file\":";
  AppendString(out, routine.file);
  out += '}';
}

// Two decimals, as the page needs them; to_chars spares printf's locale work
// on the 120 000 edges of a busy scene.
void AppendEdge(std::string& out, double edge) {
  char text[32];
  auto* const end = std::to_chars(text, text + sizeof text, edge, std::chars_format::fixed, 2).ptr;
  out.append(text, end);
}

// [frame, name, [arguments], routine, [left, top, right, bottom], estimated]
void AppendCall(std::string& out, const preview::LogCall& call, int routine, const CallBounds& b) {
  if (!out.empty()) out += ',';
  out += '[' + std::to_string(call.frame) + ',';
  AppendString(out, call.name);
  out += ",[";
  for (std::size_t k = 0; k < call.args.size(); ++k) {
    if (k > 0) out += ',';
    AppendArgument(out, call.args[k]);
  }
  out += "]," + std::to_string(routine);
  if (b.bounds) {
    for (std::size_t k = 0; k < 4; ++k) {
      out += k == 0 ? ",[" : ",";
      AppendEdge(out, (*b.bounds)[k]);
    }
    out += ']';
  }
  if (b.estimated) out += ",true";
  out += ']';
}

// The lines of a file read whole, as views into `bytes`: a busy scene's log
// has some 100 000 lines, and a string for each cost a third of the reading.
std::vector<std::string_view> Lines(const fs::path& file, std::string& bytes) {
  bytes = ReadWholeFile(file).value_or("");
  std::vector<std::string_view> lines;
  const std::string_view all = bytes;
  for (std::size_t at = 0; at < all.size();) {
    const std::size_t end = std::min(all.find('\n', at), all.size());
    lines.push_back(all.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

// Plug-in offsets are written "0x2d3d"; "-" (or anything else) is none.
std::optional<std::uint32_t> CallerOffset(std::string_view text) {
  if (!text.starts_with("0x")) return std::nullopt;
  text.remove_prefix(2);
  std::uint32_t offset = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), offset, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return offset;
}

}  // namespace

Replayer::Replayer(ReplayTools tools, fs::path settings)
    : tools_(std::move(tools)),
      settings_(std::move(settings)),
      symbols_(tools_.symbols.empty() ? tools_.plugin : tools_.symbols) {
  const fs::path data = data_folder();
  // Only the game folder it made itself: the work folder may be one the user
  // named, with other things in it.
  fs::remove_all(tools_.work / "game");
  fs::create_directories(data / "color_configs");
  // The folder's own dictionaries, and the shipped ones for those it lacks.
  for (const fs::path& from : {settings_, tools_.dictionaries}) {
    if (from.empty() || !fs::is_directory(from)) continue;
    for (const auto& item : fs::directory_iterator(from)) {
      const fs::path to = data / item.path().filename();
      if (item.path().extension() == ".txd" && item.is_regular_file() && !fs::exists(to)) {
        fs::copy_file(item.path(), to);
      }
    }
  }
#ifdef _WIN32
  // refhost.exe plays the folder it lies in.
  fs::copy_file(tools_.refhost, tools_.work / "game" / "refhost.exe");
#endif
}

// The reference host's command line for one replay.
std::vector<std::string> Replayer::Command(const fs::path& scenario) const {
  std::vector<std::string> command = {
#ifdef _WIN32
      (tools_.work / "game" / "refhost.exe").string(),
#else
      tools_.refhost.string(),
      "--game-folder",
      (tools_.work / "game").string(),
#endif
      "--build",
      "100",
      "--plugin",
      fs::absolute(tools_.plugin).string(),
      "--scenario",
      scenario.string(),
      "--log",
      (tools_.work / "draw.log").string(),
      "--log-callers",
      (tools_.work / "callers.txt").string()};
  return command;
}

fs::path Replayer::data_folder() const { return tools_.work / "game" / "slate_pane_morrowfen"; }

json Replayer::Scenarios() const {
  json names = json::array();
  for (const auto& item : fs::directory_iterator(tools_.scenarios)) {
    const std::string name = item.path().stem().string();
    if (item.path().extension() == ".json" && PlainName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The settings files as they are now; RADAR_TYPE in a first line wins.
void Replayer::CopySettings(int radar_type) const {
  const fs::path data = data_folder();
  for (const char* name : {"slatepane_VC.ini", "color_configs/ClassicColors.ini",
                           "color_configs/ModernColors.ini", "color_configs/VColors.ini"}) {
    const ConfinedPath from = ConfineToFolder(settings_, name);
    std::optional<std::string> bytes;
    if (from.error.empty()) bytes = ReadWholeFile(from.path);
    fs::remove(data / name);
    if (!bytes) continue;
    if (radar_type != 0 && std::string_view(name) == "slatepane_VC.ini") {
      bytes->insert(0, "RADAR_TYPE = " + std::to_string(radar_type) + "\n");
    }
    std::ofstream(data / name, std::ios::binary) << *bytes;
  }
}

fs::path Replayer::WriteScenario(const ReplayRequest& request, int& frames) const {
  if (!PlainName(request.scenario)) throw ReplayError("no scenario named " + request.scenario);
  const std::optional<std::string> text =
      ReadWholeFile(tools_.scenarios / (request.scenario + ".json"));
  if (!text) throw ReplayError("no scenario named " + request.scenario);
  json scenario = json::parse(*text, nullptr, false);
  if (!scenario.is_object())
    throw ReplayError("the scenario " + request.scenario + " does not parse");
  scenario["screen"] = {{"width", request.width}, {"height", request.height}};
  const json& count = scenario["frames"];
  frames = count.is_number_integer() ? count.get<int>() : 1;
  fs::path file = tools_.work / "scenario.json";
  std::ofstream(file, std::ios::binary) << scenario.dump();
  return file;
}

std::string Replayer::Play(const ReplayRequest& request) {
  if (request.width < 16 || request.height < 16 || request.width > kLargestSide ||
      request.height > kLargestSide) {
    throw ReplayError("a screen is 16 to 8192 pixels each way");
  }
  std::lock_guard<Exclusive> hold(lock_);
  CopySettings(request.radar_type);
  int frames = 1;
  const fs::path scenario = WriteScenario(request, frames);
  const ProgramRun run = RunProgram(Command(scenario), tools_.work / "refhost-errors.txt");
  if (run.status != 0) {
    const std::string first = run.errors.substr(0, run.errors.find('\n'));
    throw ReplayError("the reference host could not play the scenario: " + first);
  }
  return ReadLog(request.width, request.height, frames);
}

// Written as text, not built as a JSON value: a busy scene has some 30 000
// calls, and building them as values took as long as playing them.
std::string Replayer::ReadLog(int width, int height, int frames) const {
  std::string log_bytes;
  std::string caller_bytes;
  const std::vector<std::string_view> log = Lines(tools_.work / "draw.log", log_bytes);
  const std::vector<std::string_view> callers = Lines(tools_.work / "callers.txt", caller_bytes);
  BoundsTracker bounds(width, height);
  std::string routines;
  std::unordered_map<std::string, int> routine_index;
  std::string calls;
  calls.reserve(log.size() * 64);
  for (std::size_t k = 0; k < log.size(); ++k) {
    // Most lines are host queries the painter never reads: their name, the
    // line's second word, rules them out before the line is parsed.
    const std::string_view line = log[k];
    const std::size_t name = line.find(' ') + 1;
    if (name == 0 || !Painted(line.substr(name, line.find(' ', name) - name))) continue;
    preview::LogCall call;
    try {
      call = preview::parse_log_line(line);
    } catch (const preview::LogError&) {
      continue;
    }
    if (!Painted(call.name)) continue;
    CallBounds b;
    try {
      b = bounds.Next(call);
    } catch (const preview::LogError&) {
    }
    PluginSymbols::Routine routine;
    if (const auto offset = k < callers.size() ? CallerOffset(callers[k]) : std::nullopt) {
      routine = symbols_.At(*offset);
    }
    int index = -1;
    if (!routine.name.empty()) {
      const auto [at, added] = routine_index.emplace(routine.name + "@" + routine.file,
                                                     static_cast<int>(routine_index.size()));
      if (added) AppendRoutine(routines, routine);
      index = at->second;
    }
    AppendCall(calls, call, index, b);
  }
  return "{\"screen\":[" + std::to_string(width) + "," + std::to_string(height) +
         "],\"frames\":" + std::to_string(frames) + ",\"routines\":[" + routines + "],\"calls\":[" +
         calls + "]}";
}
