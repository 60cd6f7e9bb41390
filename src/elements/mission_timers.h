#pragma once
// The mission timer and up to three counters, as numbers or bars.

void DrawMissionTimers();
