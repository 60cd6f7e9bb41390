#pragma once
// Money and weapon display windows: whether and how opaque the money and the
// ammunition draw this frame.

void DisplayTimers();
