// scenario_with_screen: writes a scenario to standard output with its screen
// size replaced, so that one scenario can be previewed at several sizes.
//   scenario_with_screen FILE WIDTHxHEIGHT
#include <cstdio>
#include <exception>
#include <string>

#include "scenario_shape.h"

namespace {

bool parse_size(const std::string& text, preview::Screen& screen) {
  char x = 0;
  char rest = 0;
  return std::sscanf(text.c_str(), "%d%c%d%c", &screen.width, &x, &screen.height, &rest) == 3 &&
         x == 'x' && screen.width > 0 && screen.height > 0;
}

}  // namespace

int main(int argc, char** argv) {
  preview::Screen screen;
  if (argc != 3 || !parse_size(argv[2], screen)) {
    std::fprintf(stderr, "usage: scenario_with_screen FILE WIDTHxHEIGHT\n");
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
