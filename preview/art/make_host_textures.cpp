// make_host_textures: writes the reference host's own store textures (its
// "generic" and "hud" sprites and the 64 radar map tiles) into one dictionary
// file, for the HUD preview:
//   make_host_textures FILE
#include <cstdio>
#include <exception>

#include "hud_art.h"
#include "txd_file.h"
#include "write_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_host_textures FILE\n");
    return 2;
  }
  try {
    const std::string bytes = refhost::txd::dictionary_file(art::host_store_textures(),
                                                            refhost::txd::kPixelDictionaryVersion);
    if (!art::write_file(argv[1], bytes)) {
      std::fprintf(stderr, "make_host_textures: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_host_textures: %s\n", e.what());
    return 1;
  }
  return 0;
}
