#pragma once
// The current vehicle's name in the lower right corner, above the zone name.

void DrawVehicleName(int offset);
