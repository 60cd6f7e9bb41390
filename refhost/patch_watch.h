#pragma once
// Watches every place the plug-in patches in host code while it runs. It looks
// whenever the plug-in calls out (every host routine call and every
// VirtualProtect call) and counts each place seen holding neither its own
// bytes nor the plug-in's whole patch: half an instruction, which the host
// would run as something else.
#include <cstdint>
#include <string>
#include <vector>

#include "host_image.h"

namespace refhost {

// The executable segments of a loaded plug-in, as host-sized addresses.
struct CodeRange {
  std::uint32_t first = 0;
  std::uint32_t end = 0;
  bool holds(std::uint32_t address) const { return address >= first && address < end; }
};

// The code of the library mapped from `path` (as given to load_plugin);
// empty while none is.
CodeRange loaded_code(const std::string& path);

class PatchWatch {
 public:
  // Takes the places' bytes now, as their own, and starts watching. The
  // plug-in at `plugin_path` may be loaded later: its static initialisers
  // patch the host, so the watch looks for its code when it first needs it.
  PatchWatch(const HostImage& image, std::string plugin_path);
  ~PatchWatch();  // stops watching
  PatchWatch(const PatchWatch&) = delete;
  PatchWatch& operator=(const PatchWatch&) = delete;

  void check();

  int checks() const { return checks_; }
  // Times a place went from whole to mixed.
  int partial_writes() const { return partial_writes_; }
  // Places seen holding the plug-in's whole patch at least once.
  int places_patched() const;
  // The first place seen mixed, with its bytes; empty while none was.
  const std::string& first_partial() const { return first_partial_; }

 private:
  enum class Kind { Call, Jump, Return };
  struct Place {
    std::string name;
    std::uint8_t* at;
    Kind kind;
    std::uint8_t own[5];
    bool mixed;
    bool seen_patched;
  };

  static bool holds_own(const Place& place);
  bool whole(const Place& place) const;
  void add(std::string name, std::uint8_t* at, Kind kind);

  std::string plugin_path_;
  CodeRange plugin_;
  std::vector<Place> places_;
  int checks_ = 0;
  int partial_writes_ = 0;
  std::string first_partial_;
};

}  // namespace refhost
