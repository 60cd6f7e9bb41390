#pragma once
// The texture sets: five dictionaries read from the plug-in's data folder and
// the sprite holders filled from them when the host starts its renderer, all
// given back when it stops it.

// A dictionary as loaded. A file that cannot be read falls back to the
// dictionary the host has current; that one is the host's and must outlive
// us, so whether a handle is ours to destroy travels with it.
struct TextureDictionary {
  void* handle = nullptr;  // opaque host dictionary
  bool owned = false;      // read from our file, so ours to destroy
};

struct HudTextures {
  TextureDictionary hud;        // "slate_pane_morrowfen\hud_vc.txd"
  TextureDictionary crosshair;  // "slate_pane_morrowfen\crosshairs_vc.txd"
  TextureDictionary ring;       // "slate_pane_morrowfen\ring_vc.txd", searched by the weapon wheel
  TextureDictionary radio;      // "slate_pane_morrowfen\radio_vc.txd", searched by the radio wheel
  TextureDictionary phone;      // "slate_pane_morrowfen\phone.txd", for the phone overlay
};

// Empty until the first renderer start, and again after each release.
extern HudTextures hud_textures;

// Reads the first dictionary chunk of the file at this full host path, or falls
// back, without a word, to the host's current dictionary (not owned).
TextureDictionary load_texture_dictionary(const char* path);

// The renderer start handler: loads the five dictionaries, fills the HUD and
// crosshair holders, attaches the settings poll when a reload key is set, and
// takes the radar centre from the host's own "hud" dictionary. A new start
// does not give back what the previous one left.
void load_hud_textures() noexcept;

// The renderer stop handler: gives back the radar centre, shuts the host radar
// down, destroys the dictionaries that are ours (hud, ring, radio, crosshair,
// then phone) and empties every holder the textures could be in, the station
// icon included, which the radio wheel fills afresh each frame.
void release_hud_textures() noexcept;
