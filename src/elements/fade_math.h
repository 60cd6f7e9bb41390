#pragma once
// The timing arithmetic of the message elements: the host's frame step in
// milliseconds, the fade counters of the name machines and the opacity byte
// the host colour calls take. Single precision, in the order written, since
// the results are compared to the last digit.
#include "frame/scaling.h"
#include "runtime/host_interface.h"

// HostTime.Step is in fiftieths of a second: Step / 50 * 1000.
inline float StepMs() { return HostTime::Step() / 50.0f * 1000.0f; }

// A float opacity as a colour component: truncated, low 8 bits kept.
inline int OpacityByte(float alpha) { return TruncateToInt(alpha) & 0xFF; }

// The name machines count their fade in thousandths and their display time in
// whole milliseconds, each step truncated back to an int.
inline int FadeIn(int fade) { return TruncateToInt(StepMs() + static_cast<float>(fade)); }
inline int FadeOut(int fade) { return TruncateToInt(static_cast<float>(fade) - StepMs()); }
inline int ShowStep(int show) { return TruncateToInt(StepMs() + static_cast<float>(show)); }
inline float FadeAlpha(int fade) { return static_cast<float>(fade) * 0.001f * 255.0f; }
