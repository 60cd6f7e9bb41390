#include "elements/mission_timers.h"

// PLACEHOLDER: filled by its element.
void DrawMissionTimers() {}
