#pragma once
// The game clock as "hh:mm", right-aligned at an anchor its caller gives in
// font units from the right and bottom screen edges. Only the phone overlay
// draws it, so it sits on the phone and moves with it.

void DrawClock(float right, float bottom);
