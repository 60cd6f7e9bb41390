#pragma once
// What the benchmarks share: where things are, a game folder laid out as a
// player's, and the real plug-in in a reference host playing the busy
// scenario.
#include <memory>
#include <string>
#include <vector>

#include "host_image.h"
#include "os_shim.h"
#include "scenario.h"

namespace bench {

struct Setup {
  std::string plugin;       // the plug-in binary (libslatepane.so)
  std::string scenario;     // the busy scenario
  std::string game_folder;  // made by make_game_folder
};

// Filled by main before any benchmark runs.
Setup& setup();

// A fresh folder holding the shipped settings and the five dictionaries
// (drawn by the preview's build), which the host executable now lives in;
// empty on failure.
std::string make_game_folder();

// Stars and counters blink; in this frame of the busy scenario every element
// is lit.
constexpr int kBusiestFrame = 12;

// The plug-in loaded into a build-100 host that has played the busy scenario
// up to kBusiestFrame. From then on host time stands still (the clock keeps
// its reading and the step is 0), so every frame() draws the same HUD again.
class BusyHost {
 public:
  explicit BusyHost(bool recording);
  ~BusyHost();
  BusyHost(const BusyHost&) = delete;
  BusyHost& operator=(const BusyHost&) = delete;

  bool loaded() const { return plugin_ != nullptr; }
  // One whole frame: the host calls of a frame, in which the plug-in runs.
  void frame();
  // The protection changes (VirtualProtect) one frame asks of the host.
  std::vector<refhost::os_shim::ProtectCall> frame_protections();
  // The names one frame looks up in the host's texture-dictionary store.
  std::vector<std::string> frame_slot_lookups();
  // One such lookup, through the host routine the plug-in calls.
  int find_slot(const char* name) const;

 private:
  std::unique_ptr<refhost::HostImage> image_;
  void* plugin_ = nullptr;
  bool recording_;
};

}  // namespace bench
