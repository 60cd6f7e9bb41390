#pragma once
// Every sprite holder the plug-in owns. Each is a host sprite record, made with
// HostSprite.Construct at start-up and finalised with HostSprite.Destruct at
// exit (arrays from the first element on, finalised from the last).
#include "runtime/host_types.h"

extern SpriteHolder PhoneSprite;       // phone picture
extern SpriteHolder HudSet[5];         // 0 radar frame, 1 "clrect", 2 "bar", 3 "star", 4 "timerbar"
extern SpriteHolder CrosshairSet[10];  // the ten reticles of crosshairs_vc.txd
extern SpriteHolder RingSet[2];        // weapon wheel ring and indicator
extern SpriteHolder SlotIcons[10];     // weapon wheel slot icons
extern SpriteHolder StationIcon;       // radio wheel station icon
extern SpriteHolder RadarTileSprite;   // current radar map tile
extern SpriteHolder RadarCentreSprite;  // player arrow, from the host's own "hud" dictionary
