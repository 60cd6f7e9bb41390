#include "wheels/wheel_geometry.h"

// PLACEHOLDER: filled by its element.
void UpdateWheelGeometry() {}
