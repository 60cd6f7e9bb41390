#include "scenario_shape.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace preview {

namespace {

using nlohmann::json;

// Pictures above this many pixels a side are refused rather than allocated.
constexpr int kMaxSide = 16384;

json read_json(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read the scenario " + file.string());
  try {
    json scenario = json::parse(in);
    if (!scenario.is_object()) throw std::runtime_error("not a JSON object");
    return scenario;
  } catch (const std::exception& e) {
    std::string reason = e.what();
    if (const auto cut = reason.find('\n'); cut != std::string::npos) reason.resize(cut);
    throw std::runtime_error("the scenario " + file.string() + " does not parse: " + reason);
  }
}

int whole_number(const json& value, const char* what, int low, int high) {
  if (!value.is_number_integer() || value.get<long long>() < low || value.get<long long>() > high) {
    throw std::runtime_error(std::string("the scenario's ") + what +
                             " must be a whole number from " + std::to_string(low) + " to " +
                             std::to_string(high));
  }
  return value.get<int>();
}

}  // namespace

ScenarioShape read_scenario_shape(const std::filesystem::path& file) {
  const json scenario = read_json(file);
  ScenarioShape shape;
  if (scenario.contains("screen")) {
    const json& screen = scenario["screen"];
    if (!screen.is_object()) throw std::runtime_error("the scenario's screen must be an object");
    if (screen.contains("width"))
      shape.screen.width = whole_number(screen["width"], "screen width", 1, kMaxSide);
    if (screen.contains("height"))
      shape.screen.height = whole_number(screen["height"], "screen height", 1, kMaxSide);
  }
  if (scenario.contains("frames")) {
    shape.frames = whole_number(scenario["frames"], "frames", 0, 1000000);
  }
  return shape;
}

std::string with_screen(const std::filesystem::path& file, const Screen& screen) {
  json scenario = read_json(file);
  scenario["screen"] = {{"width", screen.width}, {"height", screen.height}};
  return scenario.dump(2) + "\n";
}

}  // namespace preview
