#pragma once
// The mission title in the lower right corner: big-message slot 1, which the
// host fills. It fades in while the slot's slide coordinate climbs from -60 to
// the right edge, holds while the slot's timer climbs to 120 host steps, fades
// out and then clears the host's slot. The HUD pass calls it twice in a frame
// that runs both groups, and each call advances it.

// The only state of the plug-in's own; the slide and the hold timer are the host's.
struct MissionTitleState {
  float MissionTitleAlpha = 0.0f;  // 0..255
};

extern MissionTitleState mission_title;

void DrawMissionTitle(int offset);
