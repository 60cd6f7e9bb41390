#include "elements/ammo.h"

// PLACEHOLDER: filled by its element.
void DrawAmmo(float, float) {}
