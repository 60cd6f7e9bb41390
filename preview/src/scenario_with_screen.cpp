// scenario_with_screen: writes a scenario to standard output with its screen
// size replaced, so that one scenario can be previewed at several sizes.
//   scenario_with_screen FILE WIDTHxHEIGHT
#include <charconv>
#include <climits>
#include <cstdio>
#include <exception>
#include <string>
#include <system_error>

#include "scenario_shape.h"

namespace {

// Two whole numbers; one past int's range is refused, never cut to fit.
bool parse_size(const std::string& text, preview::Screen& screen) {
  const char* const end = text.data() + text.size();
  const auto width = std::from_chars(text.data(), end, screen.width);
  if (width.ec != std::errc{} || width.ptr == end || *width.ptr != 'x') return false;
  const auto height = std::from_chars(width.ptr + 1, end, screen.height);
  return height.ec == std::errc{} && height.ptr == end && screen.width > 0 && screen.height > 0;
}

}  // namespace

int main(int argc, char** argv) {
  preview::Screen screen;
  if (argc != 3) {
    std::fprintf(stderr, "usage: scenario_with_screen FILE WIDTHxHEIGHT\n");
    return 2;
  }
  if (!parse_size(argv[2], screen)) {
    std::fprintf(stderr,
                 "scenario_with_screen: WIDTHxHEIGHT takes two numbers from 1 to %d, not %s\n",
                 INT_MAX, argv[2]);
    return 2;
  }
  try {
    std::fputs(preview::with_screen(argv[1], screen).c_str(), stdout);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "scenario_with_screen: %s\n", e.what());
    return 1;
  }
  return 0;
}
