#include "runtime/hud_event.h"

#include "runtime/host_address.h"
#include "runtime/injector/hooking.h"

namespace {

// The plain function a handler wraps, or null for lambdas and other callables.
void (*PlainFunction(const HudEvent::Handler& handler))() {
  if (const auto* f = handler.target<void (*)()>()) return *f;
  if (const auto* f = handler.target<void (*)() noexcept>()) return *f;
  return nullptr;
}

bool SamePlainFunction(const HudEvent::Handler& a, const HudEvent::Handler& b) {
  // cppcheck-suppress constVariable ; a function pointer has no const to point to
  const auto x = PlainFunction(a);
  return x != nullptr && x == PlainFunction(b);
}

// A handler runs through a copy, so one that adds to its own list does not
// disturb the running call; whatever it throws stays on this side.
void RunHandlers(const std::list<HudEvent::Handler>& handlers) {
  for (const HudEvent::Handler& handler : handlers) {
    try {
      HudEvent::Handler copy = handler;
      copy();
    } catch (...) {
    }
  }
}

}  // namespace

HudEvent::HudEvent(std::vector<HostSite> sites) : sites_(std::move(sites)) {}

HudEvent::~HudEvent() = default;

void HudEvent::add(Handler handler, List list) {
  std::list<Handler>& target = list == List::Before ? before_ : after_;
  for (const Handler& existing : target) {
    if (SamePlainFunction(existing, handler)) return;
  }
  if (installed_ == 0) {
    installed_ = 1;
    install();
  }
  target.push_back(std::move(handler));
}

// Intercepts the event's call sites in the running build; an unrecognised
// build has none, and the event never fires.
void HudEvent::install() {
  const int column = host_build_index(detect_host_version());
  if (column < 0) return;
  for (HostSite site : sites_) {
    const std::uint32_t address = kHostSiteAddress[static_cast<std::size_t>(site)][column];
    auto hooker = std::make_unique<injector::function_hooker>(host_address(address));
    hooker->install(
        [this](const injector::function_hooker_base::next_call& next) { return run(next); });
    hookers_.push_back(std::move(hooker));
  }
}

std::uint32_t HudEvent::run(const std::function<std::uint32_t()>& host_call) {
  RunHandlers(before_);
  const std::uint32_t result = host_call();
  RunHandlers(after_);
  return result;
}

HudEvent& RendererStartEvent() {
  static HudEvent event({HostSite::RendererStart});
  return event;
}

HudEvent& HudDrawEvent() {
  static HudEvent event({HostSite::HudDraw});
  return event;
}

HudEvent& FrameDrawEvent() {
  static HudEvent event({HostSite::FrameDraw});
  return event;
}

HudEvent& RadarUpdateEvent() {
  static HudEvent event({HostSite::RadarUpdateA, HostSite::RadarUpdateB});
  return event;
}

HudEvent& RadarPatchEvent() {
  static HudEvent event({HostSite::RadarPatch});
  return event;
}

HudEvent& RendererStopEvent() {
  static HudEvent event({HostSite::RendererStop});
  return event;
}

HudEvent& FrameStepEvent() {
  static HudEvent event({HostSite::FrameStep});
  return event;
}
