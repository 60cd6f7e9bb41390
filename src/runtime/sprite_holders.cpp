#include "runtime/sprite_holders.h"

// Plain storage; start-up constructs them through the host in its fixed order.
SpriteHolder PhoneSprite;
SpriteHolder HudSet[5];
SpriteHolder CrosshairSet[10];
SpriteHolder RingSet[2];
SpriteHolder SlotIcons[10];
SpriteHolder StationIcon;
SpriteHolder RadarTileSprite;
SpriteHolder RadarCentreSprite;
