#pragma once
// The radar: frame, the host's map layer, health and armour bars, blips.

void DrawRadar();
