#include "replay.h"

#include <fstream>
#include <iterator>
#include <mutex>
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

json Argument(const preview::LogArg& arg) {
  if (arg.kind == preview::LogArg::Kind::Null) return nullptr;
  if (arg.kind == preview::LogArg::Kind::Text) return arg.value;
  try {
    std::size_t used = 0;
    const double number = std::stod(arg.value, &used);
    if (used == arg.value.size()) return number;
  } catch (const std::exception&) {
  }
  return arg.value;
}

std::vector<std::string> Lines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

Replayer::Replayer(ReplayTools tools, fs::path settings)
    : tools_(std::move(tools)), settings_(std::move(settings)), symbols_(tools_.plugin) {
  const fs::path data = data_folder();
  fs::remove_all(tools_.work);
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
  const fs::path file = tools_.work / "scenario.json";
  std::ofstream(file, std::ios::binary) << scenario.dump();
  return file;
}

json Replayer::Play(const ReplayRequest& request) {
  if (request.width < 16 || request.height < 16 || request.width > kLargestSide ||
      request.height > kLargestSide) {
    throw ReplayError("a screen is 16 to 8192 pixels each way");
  }
  std::lock_guard<Exclusive> hold(lock_);
  CopySettings(request.radar_type);
  int frames = 1;
  const fs::path scenario = WriteScenario(request, frames);
  const ProgramRun run =
      RunProgram({tools_.refhost.string(), "--build", "100", "--plugin", tools_.plugin.string(),
                  "--game-folder", (tools_.work / "game").string(), "--scenario", scenario.string(),
                  "--log", (tools_.work / "draw.log").string(), "--log-callers",
                  (tools_.work / "callers.txt").string()},
                 tools_.work / "refhost-errors.txt");
  if (run.status != 0) {
    const std::string first = run.errors.substr(0, run.errors.find('\n'));
    throw ReplayError("the reference host could not play the scenario: " + first);
  }
  return ReadLog(request.width, request.height, frames);
}

json Replayer::ReadLog(int width, int height, int frames) const {
  const std::vector<std::string> log = Lines(tools_.work / "draw.log");
  const std::vector<std::string> callers = Lines(tools_.work / "callers.txt");
  BoundsTracker bounds(width, height);
  json routines = json::array();
  std::unordered_map<std::string, int> routine_index;
  json calls = json::array();
  for (std::size_t k = 0; k < log.size(); ++k) {
    preview::LogCall call;
    try {
      call = preview::parse_log_line(log[k]);
    } catch (const preview::LogError&) {
      continue;
    }
    if (!Painted(call.name)) continue;
    CallBounds b;
    try {
      b = bounds.Next(call);
    } catch (const preview::LogError&) {
    }
    ElfSymbols::Routine routine;
    if (k < callers.size() && callers[k] != "-") {
      routine = symbols_.At(static_cast<std::uint32_t>(std::stoul(callers[k], nullptr, 16)));
    }
    int index = -1;
    if (!routine.name.empty()) {
      const auto [at, added] = routine_index.emplace(routine.name + "@" + routine.file,
                                                     static_cast<int>(routines.size()));
      if (added) routines.push_back({{"name", routine.name}, {"file", routine.file}});
      index = at->second;
    }
    json args = json::array();
    for (const preview::LogArg& arg : call.args) args.push_back(Argument(arg));
    json entry = {call.frame, call.name, std::move(args), index};
    if (b.bounds) entry.push_back(*b.bounds);
    if (b.estimated) entry.push_back(true);
    calls.push_back(std::move(entry));
  }
  return {{"screen", {width, height}},
          {"frames", frames},
          {"routines", std::move(routines)},
          {"calls", std::move(calls)}};
}
