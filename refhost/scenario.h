#pragma once
// A scenario: the screen, host state and keys a run starts with, and what
// changes at given frames. Read from JSON (see docs/scenario-format.md).
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "foreign_patch.h"
#include "game_files.h"
#include "host_image.h"
#include "restoration_check.h"

namespace refhost {

// The host stops its renderer (a resolution change, leaving the game) and
// starts it again through the same calls as at the end and start of a run.
enum class RendererChange { None, Stop, Start, Restart };

struct ScenarioStep {
  nlohmann::json set = nlohmann::json::object();  // host variables by name
  std::map<std::string, std::string> texts;       // HostText.Lookup key -> text (UTF-8)
  std::map<int, bool> keys;                       // virtual-key code -> held
  RendererChange renderer = RendererChange::None;
  std::vector<FileEdit> files;  // game-folder files written or removed, by path
  // Call sites another patcher rewrites while the plug-in is loaded.
  std::vector<ForeignPatch> foreign_patches;
};

// Changes to the host's texture-dictionary store at start (see textures.h):
// slots taken out, and slots placed before others.
struct StoreLayout {
  std::vector<std::string> leave_out;
  std::vector<std::pair<std::string, std::vector<std::string>>> insert_before;
  bool empty() const { return leave_out.empty() && insert_before.empty(); }
};

struct Scenario {
  int width = 640;
  int height = 480;
  int clock_start_ms = 0;
  int frame_ms = 20;  // host clock advance per frame; HostTime.Step = frame_ms / 20
  int frames = 1;     // when the command line gives none
  StoreLayout texture_store;
  ScenarioStep start;
  std::map<int, ScenarioStep> at;  // frame number -> changes before that frame

  // Throws std::runtime_error naming what is wrong.
  static Scenario parse(const std::string& json_text);
  static Scenario load(const std::string& path);
};

// Writes one host variable by its address-map name from a JSON value: a
// number for a scalar, a string for 16-bit text, a list for an array; a
// 16-bit name pointer takes a text, which the host publishes, or null.
// Throws std::runtime_error for an unknown name or a value that does not fit.
void set_host_variable(HostImage& image, const std::string& name, const nlohmann::json& value);

// The step's host variables, texts, keys and other patcher's rewrites; its
// files are apart, since a frame's file edits follow the frame's calls.
void apply_step(HostImage& image, const ScenarioStep& step);

// The sites the other patcher rewrote in the first `frames` frames, each with
// the bytes it wrote there last: what they must hold once the plug-in is
// unloaded. A build without call sites (none) has none.
std::vector<ForeignSite> foreign_sites(const HostImage& image, const Scenario& scenario,
                                       int frames);

// The step's file edits, in the folder of the game executable (game_files()
// keeps what they replace). Throws std::runtime_error when one cannot be made.
void apply_files(const ScenarioStep& step);

// The store as the host starts it, then the layout's changes. Throws
// std::runtime_error for a slot name the store does not hold.
void apply_store_layout(const StoreLayout& layout);

}  // namespace refhost
