// make_hud_dictionaries: writes the five texture dictionaries the plug-in
// ships, with their pictures, into one folder, usually
// dist/slate_pane_morrowfen:
//   make_hud_dictionaries FOLDER
#include <cstdio>
#include <exception>
#include <string>

#include "hud_art.h"
#include "txd_file.h"
#include "write_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hud_dictionaries FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  try {
    for (const art::Dictionary& d : art::shipped_dictionaries()) {
      const std::string path = folder + d.file;
      const std::string bytes =
          refhost::txd::dictionary_file(d.textures, refhost::txd::kPixelDictionaryVersion);
      if (!art::write_file(path, bytes)) {
        std::fprintf(stderr, "make_hud_dictionaries: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_hud_dictionaries: %s\n", e.what());
    return 1;
  }
  return 0;
}
