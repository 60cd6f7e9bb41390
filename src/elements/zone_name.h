#pragma once
// The current zone's name in the lower right corner. Its fade machine lives in
// the host's HostZone variables (state, fade timer, show timer, last name), so
// the host's own resets stay in effect and tests read it there:
//   0 idle, 1 holding, 2 fading in, 3 fading out, 4 fading out before a new name.

void DrawZoneName(int offset);
