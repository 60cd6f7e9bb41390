#pragma once
// The weapon wheel's ring and indicator corners, recomputed every HUD frame.

void UpdateWheelGeometry();
