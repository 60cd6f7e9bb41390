#pragma once
// The aiming reticle for the camera mode and weapon, and the HUD toggle button.

void CrosshairElement();
