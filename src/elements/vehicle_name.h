#pragma once
// The current vehicle's name in the lower right corner, above the zone name.
// Its fade machine lives in the host's HostVehicleName variables (state, fade
// timer, show timer, last name, name to print), as the zone name's does:
//   0 idle, 1 holding, 2 fading in, 3 fading out, 4 fading out before a new name.

void DrawVehicleName(int offset);
