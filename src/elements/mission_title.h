#pragma once
// The mission title in the lower right corner; it clears the host's slot when done.

void DrawMissionTitle(int offset);
