#pragma once
// Handlers wrapped round one intercepted host call. Each event is one
// process-wide object, created on first use; the first add intercepts the
// event's call sites in the running host build (none when the build is not
// recognised, and the event then never fires).
//
//   RendererStartEvent  host renderer start-up      after: load the texture sets
//   HudDrawEvent        host per-frame HUD draw     after: HudFrame
//   FrameDrawEvent      second per-frame draw       after: phone overlay
//   RadarUpdateEvent    host radar update (2 sites) after: radar orientation, radar jumps
//   RadarPatchEvent     host radar set-up           after: radar tile jump
//   RendererStopEvent   host renderer shutdown      before: release the texture sets
//   FrameStepEvent      per-frame host processing   after: SettingsPoll (added by the
//                                                   texture loader when asked)
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <vector>

#include "runtime/address_map.h"

namespace injector {
class function_hooker_base;
}

class HudEvent {
 public:
  enum class List { Before, After };
  using Handler = std::function<void()>;

  explicit HudEvent(std::vector<HostSite> sites);
  ~HudEvent();
  HudEvent(const HudEvent&) = delete;
  HudEvent& operator=(const HudEvent&) = delete;

  // Appends a copy of the handler. A plain function already in that list is
  // not added again; lambdas and other callables always are.
  void add(Handler handler, List list);

  // What an intercepted call site reaches: before handlers, the host call,
  // after handlers; returns the host call's result.
  std::uint32_t run(const std::function<std::uint32_t()>& host_call);

  bool installed() const { return installed_ != 0; }
  std::size_t size(List list) const { return (list == List::Before ? before_ : after_).size(); }

 private:
  void install();

  std::uint8_t installed_ = 0;
  std::list<Handler> before_;
  std::list<Handler> after_;
  std::vector<HostSite> sites_;
  std::vector<std::unique_ptr<injector::function_hooker_base>> hookers_;
};

HudEvent& RendererStartEvent();
HudEvent& HudDrawEvent();
HudEvent& FrameDrawEvent();
HudEvent& RadarUpdateEvent();
HudEvent& RadarPatchEvent();
HudEvent& RendererStopEvent();
HudEvent& FrameStepEvent();
