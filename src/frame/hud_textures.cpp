#include "frame/hud_textures.h"

#include <cstddef>
#include <cstdint>

#include "runtime/host_interface.h"
#include "runtime/host_path.h"
#include "runtime/hud_event.h"
#include "runtime/sprite_holders.h"
#include "settings/hud_settings.h"
#include "settings/settings_poll.h"

HudTextures hud_textures;

namespace {

constexpr int kFileStream = 2;
constexpr int kReadMode = 1;
constexpr std::uint32_t kDictionaryChunk = 22;

struct NamedSprite {
  SpriteHolder* holder;
  const char* name;
};

// In load order. HUD set entry 0 is the radar frame, which the radar fills.
const NamedSprite kHudSprites[] = {
    {&HudSet[1], "clrect"},
    {&HudSet[2], "bar"},
    {&HudSet[3], "star"},
    {&HudSet[4], "timerbar"},
};

const NamedSprite kCrosshairSprites[] = {
    {&CrosshairSet[0], "siterocket"},     {&CrosshairSet[1], "sitesniper"},
    {&CrosshairSet[2], "sitelaser"},      {&CrosshairSet[3], "siteM16"},
    {&CrosshairSet[4], "viewfinder_128"}, {&CrosshairSet[5], "laserdot"},
    {&CrosshairSet[6], "snipertarget"},   {&CrosshairSet[7], "assault"},
    {&CrosshairSet[8], "shotgun"},        {&CrosshairSet[9], "smg"},
};

// A missing name leaves whatever the host answers for it, an empty handle.
template <std::size_t N>
void Fill(const TextureDictionary& dictionary, const NamedSprite (&sprites)[N]) {
  for (const NamedSprite& sprite : sprites) {
    sprite.holder->texture = static_cast<std::uint32_t>(
        reinterpret_cast<std::uintptr_t>(HostTxd::FindTexture(dictionary.handle, sprite.name)));
  }
}

// Empty without releasing: the dictionaries the textures came from are gone
// or going with the renderer.
template <std::size_t N>
void Empty(SpriteHolder (&holders)[N]) {
  for (SpriteHolder& holder : holders) holder.texture = 0;
}

// A fallback handle is the host's own dictionary and is only forgotten.
void Forget(TextureDictionary& dictionary) {
  if (dictionary.owned) HostTxd::Destroy(dictionary.handle);
  dictionary = TextureDictionary{};
}

}  // namespace

TextureDictionary load_texture_dictionary(const char* path) {
  void* stream = HostStream::Open(kFileStream, kReadMode, path);
  if (stream == nullptr) return TextureDictionary{HostTxd::GetCurrent(), false};
  if (HostStream::FindChunk(stream, kDictionaryChunk, nullptr, nullptr)) {
    if (void* dictionary = HostStream::ReadDictionary(stream)) {
      HostStream::Close(stream);
      return TextureDictionary{dictionary, true};
    }
  }
  HostStream::Close(stream);
  return TextureDictionary{HostTxd::GetCurrent(), false};
}

void load_hud_textures() noexcept {
  hud_textures.hud = load_texture_dictionary(host_path("slate_pane_morrowfen\\hud_vc.txd"));
  hud_textures.crosshair =
      load_texture_dictionary(host_path("slate_pane_morrowfen\\crosshairs_vc.txd"));
  hud_textures.ring = load_texture_dictionary(host_path("slate_pane_morrowfen\\ring_vc.txd"));
  hud_textures.radio = load_texture_dictionary(host_path("slate_pane_morrowfen\\radio_vc.txd"));
  Fill(hud_textures.hud, kHudSprites);
  Fill(hud_textures.crosshair, kCrosshairSprites);
  hud_textures.phone = load_texture_dictionary(host_path("slate_pane_morrowfen\\phone.txd"));
  // The settings are first read by the first HUD frame, so only a restart of
  // the renderer can find a reload key here; each such start adds one poll.
  if (hud_settings.RELOAD_SETTINGS != 0) {
    try {
      FrameStepEvent().add([] { SettingsPoll(); }, HudEvent::List::After);
    } catch (...) {
      // Out of memory: no live reload, the HUD itself still loads.
    }
  }
  const int host_hud = HostTxd::FindSlot("hud");
  HostTxd::PushCurrent(host_hud);
  HostSprite::SetTexture(&RadarCentreSprite, "radar_centre");
  HostTxd::PopCurrent();
}

void release_hud_textures() noexcept {
  HostSprite::Release(&RadarCentreSprite);
  HostRadar::Shutdown();
  RadarTileSprite.texture = 0;
  Forget(hud_textures.hud);
  Forget(hud_textures.ring);
  Forget(hud_textures.radio);
  // The crosshair dictionary goes with the other three read at the same time.
  Forget(hud_textures.crosshair);
  Empty(HudSet);
  Empty(CrosshairSet);
  Empty(SlotIcons);
  Empty(RingSet);
  // The station icon's texture went with the radio dictionary; left in its
  // holder, the holder's destruction at exit would free it a second time. The
  // radio wheel fetches it again every frame.
  StationIcon.texture = 0;
  Forget(hud_textures.phone);
  PhoneSprite.texture = 0;
}
