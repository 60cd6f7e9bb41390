#include "frame/display_timers.h"

// PLACEHOLDER: filled by its element.
void DisplayTimers() {}
