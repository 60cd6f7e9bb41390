#include "wheels/crosshairs.h"

// PLACEHOLDER: filled by its element.
void CrosshairElement() {}
