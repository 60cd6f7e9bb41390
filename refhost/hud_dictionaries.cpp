#include "hud_dictionaries.h"

#include <fstream>
#include <vector>

#include "txd_file.h"

namespace refhost {

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

bool write_hud_dictionaries(std::string folder, std::string& error) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  for (const ShippedDictionary& d : shipped()) {
    const std::string path = folder + d.file;
    if (!write(path, txd::dictionary_file(txd::named_textures(d.names)))) {
      error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

}  // namespace refhost
