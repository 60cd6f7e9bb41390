#pragma once
// What the picture needs from a scenario (docs/scenario-format.md): the
// screen size and how many frames the run plays, with the reference host's
// defaults (640 x 480, one frame).
#include <filesystem>
#include <string>

#include "screen.h"

namespace preview {

struct ScenarioShape {
  Screen screen;
  int frames = 1;
};

// Throws std::runtime_error with a one-line reason for a file that cannot be
// read or does not parse, or whose screen or frames are out of range.
ScenarioShape read_scenario_shape(const std::filesystem::path& file);

// The scenario's JSON text with its screen replaced; the same errors.
std::string with_screen(const std::filesystem::path& file, const Screen& screen);

}  // namespace preview
