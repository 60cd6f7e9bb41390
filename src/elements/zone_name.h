#pragma once
// The current zone's name in the lower right corner.

void DrawZoneName(int offset);
