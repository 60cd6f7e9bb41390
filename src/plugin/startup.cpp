// plugin/ is the top room: it composes the plug-in from the rooms below it
// (this start-up wiring, and the HUD pass in hud_frame.cpp), and nothing
// below includes it.
//
// Start-up inside the host, in the order the loader runs it: host binding
// (prioritised, in host_address_table.cpp), then the objects below in
// declaration order. At exit they are finalised in reverse: the name tables,
// the holders, then the events (restoring every intercepted call site), then
// the phone picture last.
//
// With an unrecognised host build the plug-in calls no host routine and writes
// no host byte: the holders are neither constructed nor destructed (their
// routines' addresses would belong to some other executable), and the events
// intercept nothing.
#include <cstddef>

#include "frame/hud_textures.h"
#include "phone/phone_overlay.h"
#include "plugin/hud_frame.h"
#include "radar/radar_handlers.h"
#include "runtime/host_address.h"
#include "runtime/host_interface.h"
#include "runtime/hud_event.h"
#include "runtime/sprite_holders.h"
#include "wheels/name_tables.h"

namespace {

bool HostKnown() { return detect_host_version() != 0; }

void Construct(SpriteHolder& holder) {
  if (HostKnown()) HostSprite::Construct(&holder);
}

void Destruct(SpriteHolder& holder) {
  if (HostKnown()) HostSprite::Destruct(&holder);
}

// Arrays are made from the first element and finalised from the last.
template <std::size_t N>
void Construct(SpriteHolder (&holders)[N]) {
  for (SpriteHolder& holder : holders) Construct(holder);
}

template <std::size_t N>
void Destruct(SpriteHolder (&holders)[N]) {
  for (std::size_t k = N; k-- > 0;) Destruct(holders[k]);
}

struct PhonePicture {
  PhonePicture() { Construct(PhoneSprite); }
  ~PhonePicture() { Destruct(PhoneSprite); }
};

struct EventWiring {
  EventWiring() {
    RendererStartEvent().add(load_hud_textures, HudEvent::List::After);
    HudDrawEvent().add(HudFrame, HudEvent::List::After);
    FrameDrawEvent().add(PhoneOverlay, HudEvent::List::After);
    RadarUpdateEvent().add(RadarUpdateHandler, HudEvent::List::After);
    RadarPatchEvent().add(RadarPatchHandler, HudEvent::List::After);
    RendererStopEvent().add(release_hud_textures, HudEvent::List::Before);
  }
};

struct HolderArrays {
  HolderArrays() {
    Construct(HudSet);
    Construct(CrosshairSet);
    Construct(RingSet);
    Construct(SlotIcons);
  }
  ~HolderArrays() {
    Destruct(SlotIcons);
    Destruct(RingSet);
    Destruct(CrosshairSet);
    Destruct(HudSet);
  }
};

struct SingleHolders {
  SingleHolders() {
    Construct(StationIcon);
    Construct(RadarTileSprite);
    Construct(RadarCentreSprite);
  }
  ~SingleHolders() {
    Destruct(RadarCentreSprite);
    Destruct(RadarTileSprite);
    Destruct(StationIcon);
  }
};

// Built here, after the holders, so that exit destroys them first. They touch
// no host memory, so an unrecognised build builds them too. Short of memory
// they are tried again at first use, where a failure only loses the names.
struct NameTables {
  NameTables() {
    try {
      WeaponNames();
      StationNames();
    } catch (...) {
    }
  }
};

PhonePicture phone_picture;
EventWiring event_wiring;
HolderArrays holder_arrays;
SingleHolders single_holders;
NameTables name_tables;

}  // namespace
