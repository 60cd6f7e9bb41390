#include "elements/clock.h"

// PLACEHOLDER: filled by its element.
void DrawClock(float, float) {}
