#pragma once
// The two scaling conventions every element uses. Screen size is read from the
// host afresh at each use; all arithmetic is single precision in this order.

// Truncation toward zero as the processor does it: values outside the int range
// (and NaN) give INT_MIN instead of undefined behaviour.
int TruncateToInt(float value);

// `layout unit`: v in 1/1080 of the smaller screen side -> trunc(v * m / 1080) pixels.
int LayoutUnit(float v);

// `font scale rule`: sx(k) = ((k * W) / 640) * 1.3333334 / (W / H), sy(k) = (k * H) / 448.
float FontScaleX(float k);
float FontScaleY(float k);

// ZONE_VEHICLE_MISSION_TRANSITION_GAP truncated while the host shows mission
// timers, else 0; recomputed at each use.
int TransitionOffset();
