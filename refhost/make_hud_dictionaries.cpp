// make_hud_dictionaries: writes the five texture dictionaries the plug-in
// ships into one folder, usually dist/slate_pane_morrowfen:
//   make_hud_dictionaries FOLDER
#include <cstdio>
#include <exception>
#include <string>

#include "hud_dictionaries.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hud_dictionaries FOLDER\n");
    return 2;
  }
  try {
    std::string error;
    if (!refhost::write_hud_dictionaries(argv[1], error)) {
      std::fprintf(stderr, "make_hud_dictionaries: %s\n", error.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_hud_dictionaries: %s\n", e.what());
    return 1;
  }
  return 0;
}
