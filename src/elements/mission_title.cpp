#include "elements/mission_title.h"

// PLACEHOLDER: filled by its element.
void DrawMissionTitle(int) {}
