// refhost: the reference host. This version maps the host image of one build
// and prints where every host symbol lies in it:
//   refhost --build {100|110|120|none} --print-map
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "host_image.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: refhost --build {100|110|120|none} --print-map\n");
  return 2;
}

void print_map(const refhost::HostImage& image) {
  std::printf("build %s, image base 0x%08X\n",
              image.version() ? std::to_string(image.version()).c_str() : "none", image.base());
  for (std::size_t id = 0; id < kHostSymbolCount; ++id) {
    const HostSymbol& s = kHostSymbols[id];
    const std::uint32_t address = image.symbol_address(static_cast<HostId>(id));
    std::printf("%-36s %-8s %-5s 0x%06X\n", s.name,
                s.kind == HostKind::Routine ? "routine" : "variable",
                s.form == HostForm::BOUND ? "bound" : "fixed", address);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const char* build = nullptr;
  bool map = false;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--build") == 0 && k + 1 < argc) {
      build = argv[++k];
    } else if (std::strcmp(argv[k], "--print-map") == 0) {
      map = true;
    } else {
      return usage();
    }
  }
  if (build == nullptr || !map) return usage();
  try {
    refhost::HostImage image(refhost::parse_build(build));
    refhost::set_current_image(&image);
    print_map(image);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "refhost: %s\n", e.what());
    return 1;
  }
  return 0;
}
