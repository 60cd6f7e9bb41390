#pragma once
// The game clock, drawn by the phone overlay on the phone.

void DrawClock(float right, float bottom);
