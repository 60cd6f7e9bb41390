#include "radar/radar_handlers.h"

// PLACEHOLDER: filled by its element.
void RadarUpdateHandler() {}
void RadarPatchHandler() {}
