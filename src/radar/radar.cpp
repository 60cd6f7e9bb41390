#include "radar/radar.h"

// PLACEHOLDER: filled by its element.
void DrawRadar() {}
