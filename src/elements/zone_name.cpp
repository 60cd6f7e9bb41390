#include "elements/zone_name.h"

// PLACEHOLDER: filled by its element.
void DrawZoneName(int) {}
