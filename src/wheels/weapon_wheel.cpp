#include "wheels/weapon_wheel.h"

// PLACEHOLDER: filled by its element.
void WeaponWheel() {}
