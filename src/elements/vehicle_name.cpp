#include "elements/vehicle_name.h"

// PLACEHOLDER: filled by its element.
void DrawVehicleName(int) {}
