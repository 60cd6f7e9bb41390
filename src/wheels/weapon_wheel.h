#pragma once
// The weapon wheel: ring, slot icons, indicator and the current weapon's name.

void WeaponWheel();
