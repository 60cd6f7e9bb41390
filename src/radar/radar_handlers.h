#pragma once
// The radar event handlers: orientation, and the jumps into the plug-in's
// own map tile, mask and blip routines.

// After the host's radar update: refresh the rotation, then send the host's
// mask and blip routines to DrawRadarMask and DrawBlips.
void RadarUpdateHandler() noexcept;

// After the host's radar set-up: send the host's tile routine to DrawRadarTile.
void RadarPatchHandler() noexcept;
