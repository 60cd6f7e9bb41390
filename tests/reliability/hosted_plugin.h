#pragma once
// The real plug-in binary in a fresh host image: loaded, played, unloaded, as
// the game would. The host's services start clean for every instance.
#include <memory>
#include <string>

#include "host_image.h"
#include "restoration_check.h"
#include "scenario.h"

class HostedPlugin {
 public:
  explicit HostedPlugin(int version, const refhost::Scenario& scenario = {});
  ~HostedPlugin();  // unloads and gives the previous image back
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  // Empty when the plug-in was mapped; the loader's reason otherwise.
  std::string load();
  void unload();

  // Two lives of the renderer, `frames` frames each. The second start finds
  // the settings read by the first life's frames, which attaches the settings
  // poll when they ask for one.
  void play_two_lives(int frames);

  refhost::HostImage& image() { return *image_; }
  const refhost::CodeSnapshot& before() const { return *before_; }

 private:
  void play_life(int first_frame, int frames);

  refhost::Scenario scenario_;
  refhost::HostImage* previous_;
  std::unique_ptr<refhost::HostImage> image_;
  std::unique_ptr<refhost::CodeSnapshot> before_;
  void* plugin_ = nullptr;
};

// The example scenario of the radar: its frames reach every radar call.
const refhost::Scenario& radar_scenario();
