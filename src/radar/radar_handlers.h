#pragma once
// The radar event handlers: orientation, and the jumps into the plug-in's
// own map tile, mask and blip routines.

void RadarUpdateHandler();
void RadarPatchHandler();
