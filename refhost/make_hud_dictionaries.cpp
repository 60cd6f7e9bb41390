// make_hud_dictionaries: writes the five texture dictionaries the plug-in
// ships into one folder, usually dist/slate_pane_morrowfen:
//   make_hud_dictionaries FOLDER
// The textures carry names and sizes only; their pixels come later.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "txd_file.h"

namespace {

struct ShippedDictionary {
  const char* file;
  std::vector<std::string> names;
};

std::vector<std::string> numbered(int first, int last) {
  std::vector<std::string> out;
  for (int k = first; k <= last; ++k) out.push_back(std::to_string(k));
  return out;
}

std::vector<ShippedDictionary> shipped() {
  std::vector<std::string> ring = {"sring", "shl"};
  for (std::string& name : numbered(0, 36)) ring.push_back(name);
  return {
      {"hud_vc.txd", {"clrect", "blrect", "bar", "star", "timerbar"}},
      {"crosshairs_vc.txd",
       {"siterocket", "sitesniper", "sitelaser", "siteM16", "viewfinder_128", "laserdot",
        "snipertarget", "assault", "shotgun", "smg"}},
      {"ring_vc.txd", ring},
      {"radio_vc.txd", numbered(0, 10)},
      {"phone.txd", {"phone", "phone_class"}},
  };
}

bool write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_hud_dictionaries FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  try {
    for (const ShippedDictionary& d : shipped()) {
      const std::string path = folder + d.file;
      if (!write(path, refhost::txd::dictionary_file(refhost::txd::named_textures(d.names)))) {
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
